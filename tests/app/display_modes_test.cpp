// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three display modes of the Display menu.
#include "fingerboard/fboard_probe.h"
#include "framework/splitter.h"
#include "res/resource.h"
#include "staff/staff_entry_probe.h"
#include "support/app_harness.h"

#include <gtest/gtest.h>

namespace {

using Ids = std::initializer_list<UINT>;

TEST(DisplayModes, FlashCardGivesTheFingerboardTheWholeWidthAndFingerNumbers)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    ASSERT_TRUE(app.Choose(ID_MODE_FLASH_CARD));
    CRect client;
    app.Frame()->GetClientRect(&client);
    EXPECT_EQ(app.Fboard()->width(), client.right);
    EXPECT_GT(app.Fboard()->width(), 500);
    EXPECT_FALSE(app.Staff()->isVisible());
    EXPECT_EQ(doc->m_nLabelMode, LabelFingerNumbers);

    // Back to both: the fingerboard is 180 wide again, the labels stay.
    ASSERT_TRUE(app.Choose(ID_MODE_FINGERBOARD_STAFF));
    EXPECT_EQ(app.Fboard()->width(), 180);
    EXPECT_TRUE(app.Staff()->isVisible());
    EXPECT_EQ(doc->m_nLabelMode, LabelFingerNumbers);
    int current = 0, minimum = 0;
    app.Frame()->GetSplitter()->GetColumnInfo(0, current, minimum);
    EXPECT_EQ(minimum, 180);
}

TEST(DisplayModes, AStopClickedBesideTheFlashCardIsNotWrittenLater)
{
    CAppHarness app;
    for (int pitch : {48, 50}) {
        fboard_probe::ClickStop(app.Fboard(), pitch);
        app.Staff()->UpdateWindow();
    }
    ASSERT_TRUE(app.Choose(ID_MODE_FLASH_CARD));
    app.m_midi.ClearWords();
    fboard_probe::ClickStop(app.Fboard(), 55);
    ASSERT_TRUE(app.Choose(ID_MODE_FINGERBOARD_STAFF));
    // The staff repaints twice: once to show the melody, once for an option.
    app.Staff()->UpdateWindow();
    ASSERT_TRUE(app.Choose(ID_FB_NOTE_NAMES));
    app.Staff()->UpdateWindow();
    ASSERT_EQ(app.Doc()->m_melody.size(), 2u);
    EXPECT_EQ(app.Doc()->m_melody.back()->GetPitch(), 50);
    EXPECT_TRUE(staffentry::NotesStarted(app.m_midi.AllWords()).empty());
}

TEST(DisplayModes, StaffOnlyHidesTheFingerboard)
{
    CAppHarness app;
    ASSERT_TRUE(app.Choose(ID_MODE_STAFF_ONLY));
    EXPECT_FALSE(app.Fboard()->isVisible());
    CRect client;
    app.Frame()->GetClientRect(&client);
    EXPECT_EQ(app.Staff()->width(), client.right);
    EXPECT_EQ(app.Staff()->x(), 0);
}

// Staff Only in a large window asks a wide staff; back in Fingerboard and
// Staff in a smaller window the staff shows again beside the fingerboard.
TEST(DisplayModes, FingerboardAndStaffRestoresTheStaffMinimum)
{
    CAppHarness app;
    CSplitterWnd* splitter = app.Frame()->GetSplitter();
    int current = 0, startMinimum = 0, minimum = 0;
    splitter->GetColumnInfo(1, current, startMinimum);
    const QSize startSize = app.Frame()->size();
    app.Frame()->resize(1200, 800);
    CAppHarness::ProcessEvents();
    ASSERT_TRUE(app.Choose(ID_MODE_STAFF_ONLY));
    app.Frame()->resize(startSize);
    CAppHarness::ProcessEvents();
    ASSERT_TRUE(app.Choose(ID_MODE_FINGERBOARD_STAFF));
    EXPECT_EQ(app.Fboard()->width(), 180);
    EXPECT_TRUE(app.Staff()->isVisible());
    splitter->GetColumnInfo(1, current, minimum);
    EXPECT_EQ(minimum, startMinimum);
}

TEST(DisplayModes, EveryModeEndsARunningQuestionAndRepaintsBothViews)
{
    for (UINT mode : Ids{ID_MODE_FINGERBOARD_STAFF, ID_MODE_FLASH_CARD, ID_MODE_STAFF_ONLY}) {
        CAppHarness app;
        CVoldrimDoc* doc = app.Doc();
        doc->m_nQuestionState = QuestionRunning;
        doc->m_nQuestionPitch = 50;
        doc->m_melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, 50));
        CAppHarness::ProcessEvents();
        app.Frame()->RouteCommand(mode);
        EXPECT_EQ(doc->m_nQuestionState, NoQuestion) << mode;
        EXPECT_EQ(doc->m_nQuestionPitch, kNoPitch) << mode;
        EXPECT_TRUE(doc->m_melody.empty()) << mode;
        EXPECT_TRUE(app.Fboard()->IsPaintPending() || !app.Fboard()->isVisible()) << mode;
        EXPECT_TRUE(app.Staff()->IsPaintPending() || !app.Staff()->isVisible()) << mode;
    }
}

TEST(DisplayModes, WithoutAQuestionTheMelodyStays)
{
    CAppHarness app;
    app.Doc()->m_melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, 50));
    app.Choose(ID_MODE_STAFF_ONLY);
    app.Choose(ID_MODE_FINGERBOARD_STAFF);
    EXPECT_EQ(app.Doc()->m_melody.size(), 1u);
}

TEST(DisplayModes, NoItemShowsACheckMark)
{
    CAppHarness app;
    app.Choose(ID_MODE_FLASH_CARD);
    for (UINT id : Ids{ID_MODE_FINGERBOARD_STAFF, ID_MODE_FLASH_CARD, ID_MODE_STAFF_ONLY})
        EXPECT_FALSE(app.IsChecked(id));
}

}
