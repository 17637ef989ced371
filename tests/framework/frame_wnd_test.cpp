// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window goes on its screen.
#include "framework/frame_wnd.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameWnd, IsCentredAndKeepsItsMenuBarOnAScreenSmallerThanItself)
{
    const QSize window(630, 470);
    const struct {
        QRect screen;
        QPoint topLeft;
    } cases[] = {
        {QRect(0, 0, 1024, 768), QPoint(197, 149)},
        {QRect(0, 0, 320, 240), QPoint(0, 0)},
        {QRect(1920, 30, 600, 1000), QPoint(1920, 295)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CFrameWnd::CentredTopLeft(c.screen, window), c.topLeft) << c.screen.width() << "x" << c.screen.height();
}

} // namespace
