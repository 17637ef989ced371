// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shift+F1: the cursor asks what help is wanted for, and the next click
// or chosen command answers.
#include "res/resource.h"
#include "staff/staff_entry_probe.h"
#include "support/app_harness.h"

#include <QApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// What the user does after Shift+F1, and the help contexts it opens.
struct HelpCase {
    const char* what;
    std::function<void(CAppHarness&)> act;
    std::vector<DWORD> topics;
};

TEST(ContextHelp, TheNextClickOrCommandNamesTheTopic)
{
    const HelpCase cases[] = {
        {"a click on the staff opens the window's topic and writes nothing",
         [](CAppHarness& app) { staffentry::ClickRow(app.Staff(), 0, 8); }, {HELP_CONTEXT_CONTENTS}},
        {"a click on a picture button presses nothing",
         [](CAppHarness& app) { staffentry::PressButton(app.Staff(), IDC_TITLE_BUTTON); }, {HELP_CONTEXT_CONTENTS}},
        {"a menu command opens its own topic", [](CAppHarness& app) { app.ChooseFromMenu(ID_HELP_LESSONS); },
         {HELP_CONTEXT_LESSONS}},
        {"a command without a topic of its own opens it by its id and does not run",
         [](CAppHarness& app) { app.ChooseFromMenu(ID_TEMPO); }, {HID_BASE_COMMAND + ID_TEMPO}},
        {"Escape ends the mode without help",
         [](CAppHarness& app) { QTest::keyClick(app.Staff(), Qt::Key_Escape); }, {}},
        {"so does the right button",
         [](CAppHarness& app) { staffentry::ClickRow(app.Staff(), 0, 8, Qt::RightButton); }, {}},
    };
    for (const HelpCase& c : cases) {
        SCOPED_TRACE(c.what);
        CAppHarness app; // an unexpected dialog fails the test
        CMainFrame* frame = app.Frame();
        QApplication::setActiveWindow(frame);
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        app.Staff()->setFocus();
        QTest::keyClick(frame, Qt::Key_F1, Qt::ShiftModifier);
        EXPECT_TRUE(app.m_help.m_calls.empty()) << "no help before the click";
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);

        const size_t wordsBefore = app.m_midi.AllWords().size();
        c.act(app);
        CAppHarness::ProcessEvents();
        std::vector<DWORD> topics;
        for (const CRecordingHelpViewer::Call& call : app.m_help.m_calls)
            topics.push_back(call.data);
        EXPECT_EQ(topics, c.topics);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the cursor is back";
        EXPECT_TRUE(app.Doc()->m_melody.empty());
        EXPECT_EQ(app.m_midi.AllWords().size(), wordsBefore) << "nothing sounds";
    }
}

} // namespace
