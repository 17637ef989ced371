// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the fingerboard shows: the board, stops in their key colours, labels
// by the Fingerboard options, the red chosen stop and the flash card.
#include "fboard_probe.h"
#include "res/resource.h"

#include <gtest/gtest.h>

using namespace fboard_probe;

namespace {

TEST(FboardDrawing, BoardStringsNutAndEndLines)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    Settle(view);
    const int h = view->height();
    // Strings run down to the end of the board, between the stops.
    for (int x : {30, 70, 110, 150}) {
        EXPECT_TRUE(IsDark(PixelAt(view, x, 95))) << x;
        EXPECT_TRUE(IsDark(PixelAt(view, x, h - 76))) << x;
        EXPECT_EQ(PixelAt(view, x, h - 73), kWhite) << x;
    }
    EXPECT_EQ(PixelAt(view, 50, 95), kWhite);
    // Two lines across the whole width close the board.
    for (int x : {0, 50, view->width() - 1}) {
        EXPECT_TRUE(IsDark(PixelAt(view, x, h - 75))) << x;
        EXPECT_TRUE(IsDark(PixelAt(view, x, h - 74))) << x;
    }
    // The black nut between the open strings' stops; white around it.
    EXPECT_EQ(PixelAt(view, 50, 20), QColor(0, 0, 0));
    EXPECT_EQ(PixelAt(view, 168, 33), QColor(0, 0, 0));
    EXPECT_EQ(PixelAt(view, 175, 20), kWhite);
    EXPECT_EQ(PixelAt(view, 50, 2), kWhite);
}

TEST(FboardDrawing, StopsAreGreenInTheKeyAndGreyOutsideIt)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    Settle(view);
    for (int pitch : {36, 38, 40, 41, 43, 45, 47, 48, 57, 60, 62})
        EXPECT_EQ(FillOf(view, StopOf(doc, pitch).GetRect()), kGreen) << "C major, pitch " << pitch;
    for (int pitch : {37, 39, 42, 44, 46, 49, 61, 63})
        EXPECT_EQ(FillOf(view, StopOf(doc, pitch).GetRect()), kGrey) << "C major, pitch " << pitch;

    ASSERT_TRUE(app.Choose(ID_KEY_G));
    Settle(view);
    EXPECT_EQ(FillOf(view, StopOf(doc, 42).GetRect()), kGreen);  // F#
    EXPECT_EQ(FillOf(view, StopOf(doc, 41).GetRect()), kGrey);   // F
    EXPECT_EQ(FillOf(view, StopOf(doc, 61).GetRect()), kGrey);   // C#

    // Extension stops are squares, the others round: a square's corner is filled.
    const CRect ext = StopOf(doc, 42).GetRect();
    EXPECT_EQ(PixelAt(view, ext.left + 1, ext.top + 1), kGreen);
    const CRect round = StopOf(doc, 43).GetRect();
    EXPECT_EQ(PixelAt(view, round.left + 1, round.top + 1), QColor(0, 0, 0));  // the nut behind it
    const CRect finger = StopOf(doc, 45).GetRect();
    EXPECT_EQ(PixelAt(view, finger.left + 1, finger.top + 1), kWhite);
}

TEST(FboardDrawing, LabelsFollowTheFingerboardOptions)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    const int openStrings[] = {36, 43, 50, 57};
    const int others[] = {37, 38, 41, 42, 45, 56, 63};

    // Defaults: single position, open strings always labelled.
    Settle(view);
    for (int pitch : openStrings)
        EXPECT_TRUE(HasLabel(view, StopOf(doc, pitch).GetRect())) << pitch;
    for (int pitch : others)
        EXPECT_FALSE(HasLabel(view, StopOf(doc, pitch).GetRect())) << pitch;

    ASSERT_TRUE(app.Choose(ID_FB_OPEN_STRINGS));
    Settle(view);
    for (int pitch : openStrings)
        EXPECT_FALSE(HasLabel(view, StopOf(doc, pitch).GetRect())) << pitch;

    ASSERT_TRUE(app.Choose(ID_FB_ALL_POSITIONS));
    Settle(view);
    for (int pitch : openStrings)
        EXPECT_TRUE(HasLabel(view, StopOf(doc, pitch).GetRect())) << pitch;
    for (int pitch : others)
        EXPECT_TRUE(HasLabel(view, StopOf(doc, pitch).GetRect())) << pitch;

    // Note names and finger numbers look different on the same stop.
    const CRect stopD = StopOf(doc, 38).GetRect();
    const QImage named = PixelsOf(view, stopD);
    ASSERT_TRUE(app.Choose(ID_FB_FINGER_NUMBERS));
    Settle(view);
    EXPECT_TRUE(HasLabel(view, stopD));
    EXPECT_NE(PixelsOf(view, stopD), named);
    ASSERT_TRUE(app.Choose(ID_FB_NOTE_NAMES));
    Settle(view);
    EXPECT_EQ(PixelsOf(view, stopD), named);
}

TEST(FboardDrawing, TheChosenStopStaysRedWithItsLabelAfterAFullRepaint)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    ASSERT_TRUE(app.Choose(ID_FB_OPEN_STRINGS));  // no labels but the red stop's
    Settle(view);
    const CRect rcA = StopOf(doc, 45).GetRect();
    ClickStop(view, 45);
    EXPECT_EQ(FillOf(view, rcA), kRed);
    EXPECT_TRUE(HasLabel(view, rcA));
    EXPECT_EQ(doc->m_rcHighlight, rcA);

    doc->UpdateAllViews(nullptr, HintRepaintAll);
    Settle(view);
    EXPECT_EQ(FillOf(view, rcA), kRed);
    EXPECT_TRUE(HasLabel(view, rcA));

    // Choosing another stop gives the first its green back, unlabelled here.
    ClickStop(view, 48);
    EXPECT_EQ(FillOf(view, rcA), kGreen);
    EXPECT_FALSE(HasLabel(view, rcA));
    EXPECT_EQ(FillOf(view, StopOf(doc, 48).GetRect()), kRed);
}

TEST(FboardDrawing, AfterSwitchingToFingerNumbersTheRedStopShowsItsFingerNumber)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    const CRect rcF = StopOf(doc, 41).GetRect();

    // How the stop looks when chosen in finger-number mode.
    ASSERT_TRUE(app.Choose(ID_FB_FINGER_NUMBERS));
    Settle(view);
    ClickStop(view, 41);
    const QImage byFinger = PixelsOf(view, rcF);

    ASSERT_TRUE(app.Choose(ID_FB_NOTE_NAMES));
    Settle(view);
    const QImage byName = PixelsOf(view, rcF);
    ASSERT_NE(byName, byFinger);

    ASSERT_TRUE(app.Choose(ID_FB_FINGER_NUMBERS));
    Settle(view);
    EXPECT_EQ(PixelsOf(view, rcF), byFinger);
}

TEST(FboardDrawing, NothingNewTurnsRedForARestOrAPitchWithoutAStop)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    Settle(view);
    const CRect board(0, 0, view->width(), view->height() - 76);
    for (int pitch : {kRestPitch, 64, 35}) {
        doc->m_nCurrentPitch = pitch;
        doc->UpdateAllViews(nullptr, HintRepaintAll);
        Settle(view);
        EXPECT_EQ(PixelsOfColourIn(view, board, kRed), 0) << pitch;
    }

    // A stop already red stays red.
    ClickStop(view, 43);
    doc->m_nCurrentPitch = kRestPitch;
    doc->UpdateAllViews(nullptr, HintNoteOrTempo);
    Settle(view);
    EXPECT_EQ(FillOf(view, StopOf(doc, 43).GetRect()), kRed);
}

TEST(FboardDrawing, QuestionsShowTheirTextAndHideAFingerboardAnswer)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    Settle(view);
    ClickStop(view, 45);
    const CRect question = view->QuestionRect();
    EXPECT_EQ(DarkPixelsIn(view, question), 0);

    // Answer on the fingerboard: nothing red, the question is written below the board.
    doc->m_nQuestionState = QuestionRunning;
    doc->m_nQuestionType = AnswerOnFingerboard;
    doc->m_nQuestionPitch = 50;
    doc->m_strQuestion = QStringLiteral("Find the note on the fingerboard.");
    doc->m_rcHighlight.SetRectEmpty();
    view->ShowMeButton().ShowWindow(false);
    doc->UpdateAllViews(nullptr, HintRepaintAll);
    Settle(view);
    const CRect board(0, 0, view->width(), view->height() - 76);
    EXPECT_EQ(PixelsOfColourIn(view, board, kRed), 0);
    EXPECT_GT(DarkPixelsIn(view, question), 20);
    EXPECT_TRUE(view->ShowMeButton().isHidden());

    // Answer on the staff: the asked pitch is red.
    doc->m_nQuestionType = AnswerOnStaff;
    doc->UpdateAllViews(nullptr, HintRepaintAll);
    Settle(view);
    EXPECT_EQ(FillOf(view, StopOf(doc, 50).GetRect()), kRed);
    EXPECT_EQ(FillOf(view, StopOf(doc, 45).GetRect()), kGreen);
}

TEST(FboardDrawing, TheCardNeedsMoreThan500Pixels)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    const CRect card(300, 30, 500, 320);
    {
        auto view = LooseView(doc, 500);
        EXPECT_EQ(PixelsOfColourIn(view.get(), card, kRed), 0);
        EXPECT_FALSE(view->ShowMeButton().isHidden());
    }
    {
        auto view = LooseView(doc, 501);
        // Cross-hatched red inside the rounded corners, white through the hatch.
        const CRect inside(310, 40, 490, 310);
        EXPECT_GT(PixelsOfColourIn(view.get(), inside, kRed), 1000);
        EXPECT_GT(PixelsOfColourIn(view.get(), inside, kWhite), 1000);
        EXPECT_EQ(PixelAt(view.get(), 300, 30), kWhite);  // a rounded corner
        EXPECT_TRUE(IsDark(PixelAt(view.get(), 400, 30)));  // the outline
        // The caption is written below the card.
        EXPECT_GT(DarkPixelsIn(view.get(), CRect(300, 360, 500, 430)), 50);
        EXPECT_TRUE(view->ShowMeButton().isHidden());
    }
}

TEST(FboardDrawing, AWideViewEndsARunningQuestion)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    doc->m_nQuestionState = QuestionRunning;
    doc->m_nQuestionType = AnswerOnStaff;
    doc->m_nQuestionPitch = 50;
    auto view = LooseView(doc, 640);
    EXPECT_EQ(doc->m_nQuestionState, NoQuestion);
    EXPECT_EQ(doc->m_nQuestionPitch, kNoPitch);
    EXPECT_TRUE(view->ShowMeButton().isHidden());
    EXPECT_EQ(FillOf(view.get(), StopOf(doc, 50).GetRect()), kGreen);
}

TEST(FboardDrawing, LayoutPutsTheButtonAndTheQuestionBelowTheBoard)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    auto view = LooseView(doc, 180, 400);
    EXPECT_EQ(view->ShowMeButton().geometry(), QRect(60, 350, 63, 39));
    EXPECT_EQ(view->QuestionRect(), CRect(10, 340, 170, 390));
    view->resize(200, 300);
    EXPECT_EQ(view->ShowMeButton().geometry(), QRect(60, 250, 63, 39));
    EXPECT_EQ(view->QuestionRect(), CRect(10, 240, 190, 290));
    EXPECT_EQ(view->ShowMeButton().GetDlgCtrlID(), IDC_SHOWME_BUTTON);
}

}  // namespace
