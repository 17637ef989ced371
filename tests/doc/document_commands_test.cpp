// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The document's commands as the menus run them, with their update
// handlers, idle and while a melody plays.
#include "model/key.h"
#include "res/resource.h"
#include "support/app_harness.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

using Ids = std::initializer_list<UINT>;

TEST(DocumentCommands, KeyCommandEmptiesTheStaffEndsTheQuestionAndRemarksTheStops)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    doc->m_melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, 48));
    doc->m_nQuestionState = QuestionRunning;
    doc->m_nLastColumn = 0;

    ASSERT_TRUE(app.Choose(ID_KEY_G));

    EXPECT_EQ(doc->m_nKey, KeyG);
    EXPECT_TRUE(doc->m_melody.empty());
    EXPECT_EQ(doc->m_nQuestionState, NoQuestion);
    EXPECT_EQ(doc->m_nLastColumn, CVoldrimDoc::kNoColumn);
    EXPECT_TRUE(app.IsChecked(ID_KEY_G));
    EXPECT_FALSE(app.IsChecked(ID_KEY_C));
    for (const auto& stop : doc->m_stopList) {
        const CString name = stop->GetNoteName();
        if (name == "F" || name == "C#") {
            EXPECT_EQ(stop->GetKeyStatus(), KeyStatusOutOfKey) << name.toStdString();
        }
        if (name == "F#") {
            EXPECT_EQ(stop->GetKeyStatus(), KeyStatusInKey);
        }
    }

    ASSERT_TRUE(app.Choose(ID_KEY_CHROMATIC));
    for (const auto& stop : doc->m_stopList)
        EXPECT_EQ(stop->GetKeyStatus(), KeyStatusInKey);
}

TEST(DocumentCommands, WhilePlayingOnlyOptionsStayEnabled)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    doc->m_bPlaying = true;
    for (UINT id : Ids{ID_KEY_C, ID_KEY_G, ID_KEY_D, ID_KEY_F, ID_KEY_BB, ID_KEY_CHROMATIC, ID_ERASE, ID_MIDI,
                    ID_SHOWME_OPTIONS, ID_SHOWME_SCORES, ID_PLAY, ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE,
                    ID_FILE_SAVE_AS, ID_FILE_EXPORT, ID_FILE_IMPORT, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
                    ID_FILE_PRINT_SETUP,
                    ID_MODE_FINGERBOARD_STAFF, ID_MODE_FLASH_CARD, ID_MODE_STAFF_ONLY})
        EXPECT_FALSE(app.IsEnabled(id)) << id;
    for (UINT id : Ids{ID_FB_NOTE_NAMES, ID_FB_FINGER_NUMBERS, ID_FB_ALL_POSITIONS, ID_FB_SINGLE_POSITION,
                    ID_FB_OPEN_STRINGS, ID_STAFF_SHOW_NAMES, ID_STAFF_HIDE_NAMES, ID_CONTINUOUS_PLAY, ID_TEMPO,
                    ID_APP_EXIT, ID_APP_ABOUT})
        EXPECT_TRUE(app.IsEnabled(id)) << id;

    EXPECT_FALSE(app.Choose(ID_KEY_D)) << "a disabled key command does not run";
    EXPECT_EQ(doc->m_nKey, KeyC);
    ASSERT_TRUE(app.Choose(ID_FB_FINGER_NUMBERS));
    EXPECT_EQ(doc->m_nLabelMode, LabelFingerNumbers);
    ASSERT_TRUE(app.Choose(ID_CONTINUOUS_PLAY));
    EXPECT_TRUE(doc->m_bContinuousPlay);

    doc->m_bPlaying = false;
    for (UINT id : Ids{ID_KEY_C, ID_ERASE, ID_MIDI, ID_SHOWME_SCORES, ID_FILE_OPEN, ID_MODE_STAFF_ONLY})
        EXPECT_TRUE(app.IsEnabled(id)) << id;
}

TEST(DocumentCommands, EraseDuringPlaybackDoesNothing)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    doc->m_melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, 48));
    doc->m_bPlaying = true;
    // The button reaches the command even though the menu item is disabled.
    app.Staff()->SendCommand(IDC_ERASE_BUTTON);
    EXPECT_EQ(doc->m_melody.size(), 1u);
    doc->m_bPlaying = false;
    app.Staff()->SendCommand(IDC_ERASE_BUTTON);
    EXPECT_TRUE(doc->m_melody.empty());
}

TEST(DocumentCommands, EraseLeavesTheFocusOnTheLastView)
{
    CAppHarness app;
    app.Frame()->show();
    app.Frame()->activateWindow();
    app.Fboard()->setFocus();
    ASSERT_TRUE(app.Choose(ID_ERASE));
    EXPECT_EQ(QApplication::focusWidget(), app.Staff());
}

TEST(DocumentCommands, OptionSwitchesRepaintAndCheckTheirItems)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    EXPECT_TRUE(app.IsChecked(ID_FB_NOTE_NAMES));
    EXPECT_TRUE(app.IsChecked(ID_FB_SINGLE_POSITION));
    EXPECT_TRUE(app.IsChecked(ID_FB_OPEN_STRINGS));
    EXPECT_TRUE(app.IsChecked(ID_STAFF_SHOW_NAMES));
    EXPECT_FALSE(app.IsChecked(ID_CONTINUOUS_PLAY));

    CAppHarness::ProcessEvents();
    app.Frame()->RouteCommand(ID_FB_ALL_POSITIONS);
    EXPECT_TRUE(doc->m_bAllPositions);
    EXPECT_TRUE(app.IsChecked(ID_FB_ALL_POSITIONS));
    EXPECT_FALSE(app.IsChecked(ID_FB_SINGLE_POSITION));
    EXPECT_TRUE(app.Fboard()->IsPaintPending() || !app.Fboard()->isVisible());

    app.Choose(ID_FB_OPEN_STRINGS);
    EXPECT_FALSE(doc->m_bShowOpenStrings);
    app.Choose(ID_FB_OPEN_STRINGS);
    EXPECT_TRUE(doc->m_bShowOpenStrings);

    app.Choose(ID_STAFF_HIDE_NAMES);
    EXPECT_FALSE(doc->m_bStaffNames);
    EXPECT_TRUE(app.IsChecked(ID_STAFF_HIDE_NAMES));

    // Continuous play changes nothing on the screen.
    CAppHarness::ProcessEvents();
    ASSERT_FALSE(app.Staff()->IsPaintPending());
    app.Frame()->RouteCommand(ID_CONTINUOUS_PLAY);
    EXPECT_TRUE(doc->m_bContinuousPlay);
    EXPECT_FALSE(app.Staff()->IsPaintPending());
    EXPECT_FALSE(app.Fboard()->IsPaintPending());
}

TEST(DocumentCommands, OpeningAMenuDropsTheHeldKeys)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    doc->m_bHeldH = true;
    doc->m_bHeldR = true;
    QMenu* keys = app.Frame()->FindTopMenu("&Keys");
    ASSERT_NE(keys, nullptr);
    emit keys->aboutToShow();
    EXPECT_FALSE(doc->m_bHeldH);
    EXPECT_FALSE(doc->m_bHeldR);
    // The menu shows what the handlers decided.
    doc->m_nKey = KeyBb;
    emit keys->aboutToShow();
    EXPECT_TRUE(app.Frame()->FindMenuAction(ID_KEY_BB)->isChecked());
    EXPECT_FALSE(app.Frame()->FindMenuAction(ID_KEY_C)->isChecked());
    doc->m_bPlaying = true;
    emit keys->aboutToShow();
    EXPECT_FALSE(app.Frame()->FindMenuAction(ID_KEY_C)->isEnabled());
}

TEST(DocumentCommands, NewMelodyRestoresThePlainCaption)
{
    CAppHarness app;
    EXPECT_EQ(app.Frame()->GetWindowText(), "Voldrim");
    app.Doc()->m_strMelodyTitle = "Minuet";
    app.Doc()->m_strMelodyComposer = "Bach";
    app.Doc()->UpdateCaption();
    EXPECT_EQ(app.Frame()->GetWindowText(), "Voldrim   -   Minuet by Bach");
    // A new title is a change: the melody is not thrown away unasked.
    app.m_responder.ExpectMessageBox(IDNO);
    ASSERT_TRUE(app.Choose(ID_FILE_NEW));
    EXPECT_EQ(app.Frame()->GetWindowText(), "Voldrim");
    EXPECT_TRUE(app.Doc()->m_strMelodyTitle.isEmpty());
}

TEST(DocumentCommands, TheFirstNewDocumentLeavesTheCaptionToTheFrame)
{
    CAppHarness app;
    EXPECT_EQ(app.Doc()->m_bFirstNew, 0);
    app.Frame()->SetWindowText("Something else");
    app.Doc()->m_bFirstNew = true;
    app.Doc()->OnNewDocument();
    EXPECT_EQ(app.Frame()->GetWindowText(), "Something else");
}

}
