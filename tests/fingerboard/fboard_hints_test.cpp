// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the fingerboard answers the document's update hints.
#include "fboard_probe.h"

#include <gtest/gtest.h>

using namespace fboard_probe;

namespace {

TEST(FboardHints, StaffAndPlaybackHintsRepaintOnePixelYetShowTheRedStopInFull)
{
    for (UpdateHint hint : {HintNoteOrTempo, HintPlaybackNote}) {
        CAppHarness app;
        CFboardView* view = app.Fboard();
        CVoldrimDoc* doc = app.Doc();
        Settle(view);

        // The board as drawn must not be drawn again: mark the stops
        // outside the key behind the view's back (all but the two chosen).
        for (auto& stop : doc->m_stopList) {
            if (stop->GetPitch() != 45 && stop->GetPitch() != 48)
                stop->SetKeyStatus(KeyStatusOutOfKey);
        }
        doc->m_nCurrentPitch = 45;
        doc->UpdateAllViews(nullptr, hint);
        const QRect spot = hint == HintNoteOrTempo ? QRect(100, 1, 1, 1) : QRect(1, 1, 1, 1);
        EXPECT_EQ(view->PendingRegion(), QRegion(spot)) << hint;
        view->UpdateWindow();

        EXPECT_EQ(FillOf(view, StopOf(doc, 45).GetRect()), kRed) << hint;
        EXPECT_TRUE(HasLabel(view, StopOf(doc, 45).GetRect())) << hint;
        EXPECT_EQ(FillOf(view, StopOf(doc, 38).GetRect()), kGreen) << hint;
        EXPECT_EQ(PixelAt(view, spot.x(), spot.y()), kWhite) << hint;

        // The next chosen pitch moves the red mark; the old stop is green again.
        doc->m_nCurrentPitch = 48;
        doc->UpdateAllViews(nullptr, hint);
        view->UpdateWindow();
        EXPECT_EQ(FillOf(view, StopOf(doc, 48).GetRect()), kRed) << hint;
        EXPECT_EQ(FillOf(view, StopOf(doc, 45).GetRect()), kGreen) << hint;
    }
}

TEST(FboardHints, AMelodyNoteOutsideTheKeyGetsItsGreyBackWhenPlaybackMovesOn)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    Settle(view);
    doc->m_nCurrentPitch = 37;  // C#, outside C major
    doc->UpdateAllViews(nullptr, HintPlaybackNote);
    view->UpdateWindow();
    ASSERT_EQ(FillOf(view, StopOf(doc, 37).GetRect()), kRed);
    doc->m_nCurrentPitch = 45;
    doc->UpdateAllViews(nullptr, HintPlaybackNote);
    view->UpdateWindow();
    EXPECT_EQ(FillOf(view, StopOf(doc, 37).GetRect()), kGrey);
}

TEST(FboardHints, RepaintAllShowsTheButtonUnlessAQuestionRuns)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    Settle(view);
    view->ShowMeButton().ShowWindow(false);
    doc->UpdateAllViews(nullptr, HintRepaintAll);
    EXPECT_EQ(view->PendingRegion(), QRegion(view->rect()));
    EXPECT_FALSE(view->ShowMeButton().isHidden());

    Settle(view);
    view->ShowMeButton().ShowWindow(false);
    doc->m_nQuestionState = QuestionRunning;
    doc->UpdateAllViews(nullptr, HintRepaintAll);
    EXPECT_TRUE(view->ShowMeButton().isHidden());
}

TEST(FboardHints, TryAgainHidesTheButtonAndRepaintsAll)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    Settle(view);
    ASSERT_FALSE(view->ShowMeButton().isHidden());
    app.Doc()->UpdateAllViews(nullptr, HintTryAgain);
    EXPECT_TRUE(view->ShowMeButton().isHidden());
    EXPECT_EQ(view->PendingRegion(), QRegion(view->rect()));
}

TEST(FboardHints, AnUnknownHintIsReportedAndChangesNothing)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    Settle(view);
    for (LPARAM hint : {3L, 5L, -1L}) {
        app.m_responder.ExpectMessageBox();
        view->OnUpdate(nullptr, hint, nullptr);
        EXPECT_FALSE(view->IsPaintPending()) << hint;
        EXPECT_FALSE(view->ShowMeButton().isHidden()) << hint;
    }
    ASSERT_EQ(app.m_responder.Texts().size(), 3u);
    EXPECT_EQ(app.m_responder.Texts()[0], QStringLiteral("Error in switch - FboardView On Update."));
}

}  // namespace
