// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Exit button.
#include "res/resource.h"
#include "staff_entry_probe.h"
#include "support/app_harness.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace {

using staffentry::PressButton;

TEST(ExitButton, SaysGoodbyeAndClosesTheMainWindow)
{
    CAppHarness app;
    QPointer<CMainFrame> frame = app.Frame();
    PressButton(app.Staff(), IDC_EXIT_BUTTON);
    ASSERT_FALSE(app.m_waves.m_paths.empty());
    EXPECT_TRUE(app.m_waves.m_paths.back().endsWith("/babye.wav"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.isNull());
}

} // namespace
