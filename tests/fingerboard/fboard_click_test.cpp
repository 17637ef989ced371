// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Clicking stops and the flash card, holding letter keys, and the Show Me
// button's refusals.
#include "fboard_probe.h"
#include "framework/splitter.h"
#include "res/resource.h"
#include "framework/resources.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace fboard_probe;

namespace {

// A staff laid out with `count` columns of which the first `written` hold notes.
void LayOutStaff(CVoldrimDoc* doc, int count, int written)
{
    doc->m_columnList.clear();
    for (int i = 0; i < count; ++i) {
        CStaffColumn& column = doc->m_columnList.emplace_back();
        if (i < written) {
            column.SetPitch(48);
            column.SetNoteRect(CRect(10, 10, 20, 20));
        }
    }
    doc->m_nColumnCount = count;
    doc->m_nLastColumn = written - 1;
}

TEST(FboardClick, AGreenStopIsChosenAndHandedToTheStaff)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    ASSERT_TRUE(app.Choose(ID_FB_FINGER_NUMBERS));
    Settle(view);
    LayOutStaff(doc, 8, 3);
    app.Staff()->ValidateRect(nullptr);

    ClickStop(view, 45);
    EXPECT_EQ(doc->m_nCurrentPitch, 45);
    EXPECT_EQ(doc->m_strNoteName, QStringLiteral("A"));  // the name, whatever the labels
    EXPECT_EQ(doc->m_nNoteValue, NoteQuarter);
    EXPECT_FALSE(doc->m_bStaffNoteShown);
    EXPECT_EQ(doc->m_rcHighlight, StopOf(doc, 45).GetRect());
    EXPECT_EQ(FillOf(view, StopOf(doc, 45).GetRect()), kRed);
    // The staff is told to repaint; the written columns stay.
    EXPECT_TRUE(app.Staff()->IsPaintPending());
    EXPECT_FALSE(view->IsPaintPending());
    EXPECT_EQ(doc->m_columnList[2].GetPitch(), 48);
}

TEST(FboardClick, WithTheLastColumnWrittenTheStaffIsEmptiedFirst)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    Settle(view);
    LayOutStaff(doc, 4, 4);
    app.Staff()->ValidateRect(nullptr);

    ClickStop(view, 50);
    EXPECT_EQ(doc->m_nCurrentPitch, 50);
    EXPECT_FALSE(doc->m_bStaffNoteShown);
    for (const CStaffColumn& column : doc->m_columnList) {
        EXPECT_EQ(column.GetPitch(), 0);
        EXPECT_FALSE(column.IsWritten());
    }
    EXPECT_EQ(app.Staff()->PendingRegion(), QRegion(app.Staff()->rect()));
}

TEST(FboardClick, OnlyTheInsideOfAStopsRectangleHitsIt)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    Settle(view);
    const CRect rc = StopOf(doc, 45).GetRect();  // 54,104 - 86,136

    for (QPoint miss : {QPoint(rc.right, rc.CenterPoint().y), QPoint(rc.CenterPoint().x, rc.bottom)}) {
        Click(view, miss);
        EXPECT_EQ(doc->m_nCurrentPitch, kNoPitch) << miss.x() << "," << miss.y();
        EXPECT_TRUE(doc->m_bStaffNoteShown);
    }
    const QPoint hits[] = {QPoint(rc.left, rc.top), QPoint(rc.right - 1, rc.bottom - 1)};
    for (QPoint hit : hits) {
        doc->m_nCurrentPitch = 0;
        Click(view, hit);
        EXPECT_EQ(doc->m_nCurrentPitch, 45) << hit.x() << "," << hit.y();
    }
}

TEST(FboardClick, GreyStopsAndClicksDuringPlaybackAreIgnored)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    Settle(view);
    const CRect board(0, 0, view->width(), view->height() - 76);

    ClickStop(view, 37);  // C#, outside C major
    EXPECT_EQ(doc->m_nCurrentPitch, kNoPitch);
    EXPECT_TRUE(doc->m_strNoteName.isEmpty());
    EXPECT_TRUE(doc->m_bStaffNoteShown);
    EXPECT_TRUE(doc->m_rcHighlight.IsRectEmpty());
    EXPECT_EQ(PixelsOfColourIn(view, board, kRed), 0);
    EXPECT_EQ(FillOf(view, StopOf(doc, 37).GetRect()), kGrey);

    doc->m_bPlaying = true;
    doc->m_bHeldW = true;
    ClickStop(view, 45);
    EXPECT_EQ(doc->m_nCurrentPitch, kNoPitch);
    EXPECT_EQ(doc->m_nNoteValue, NoteQuarter);  // not even the held key is read
    EXPECT_EQ(PixelsOfColourIn(view, board, kRed), 0);
}

TEST(FboardClick, RightClicksAndTheSecondPressOfADoubleClickDoNothing)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    Settle(view);
    Click(view, CentreOf(StopOf(doc, 45)), Qt::RightButton);
    EXPECT_EQ(doc->m_nCurrentPitch, kNoPitch);

    ClickStop(view, 45);
    ASSERT_EQ(doc->m_nCurrentPitch, 45);
    doc->m_nCurrentPitch = 0;
    doc->m_bStaffNoteShown = true;
    const QPoint at = CentreOf(StopOf(doc, 48));
    QMouseEvent second(QEvent::MouseButtonDblClick, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(view, &second);
    EXPECT_EQ(doc->m_nCurrentPitch, kNoPitch);
    EXPECT_TRUE(doc->m_bStaffNoteShown);
    EXPECT_EQ(FillOf(view, StopOf(doc, 48).GetRect()), kGreen);
}

TEST(FboardClick, HeldKeysChooseTheValueInTheirOrder)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    Settle(view);
    struct Case {
        std::vector<Qt::Key> keys;
        NoteValue value;
    };
    const Case cases[] = {
        {{}, NoteQuarter},
        {{Qt::Key_H}, NoteHalf},
        {{Qt::Key_W}, NoteWhole},
        {{Qt::Key_T}, NoteDottedHalf},
        {{Qt::Key_E}, NoteEighth},
        {{Qt::Key_D}, NoteDottedQuarter},
        {{Qt::Key_R}, NoteQuarter},
        {{Qt::Key_W, Qt::Key_H}, NoteHalf},
        {{Qt::Key_D, Qt::Key_T, Qt::Key_E}, NoteDottedHalf},
        {{Qt::Key_R, Qt::Key_E}, NoteEighth},
    };
    for (const Case& c : cases) {
        for (Qt::Key key : c.keys)
            QTest::keyPress(view, key);
        ClickStop(view, 45);
        EXPECT_EQ(doc->m_nNoteValue, c.value) << c.keys.size() << " keys, value " << c.value;
        for (Qt::Key key : c.keys)
            QTest::keyRelease(view, key);
        EXPECT_FALSE(doc->m_bHeldH || doc->m_bHeldW || doc->m_bHeldT || doc->m_bHeldE || doc->m_bHeldD ||
                     doc->m_bHeldR);
    }
}

TEST(FboardClick, LetterKeysAreHeldInAnyShiftStateAndOthersAreNot)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    const std::pair<Qt::Key, bool CVoldrimDoc::*> letters[] = {
        {Qt::Key_D, &CVoldrimDoc::m_bHeldD}, {Qt::Key_E, &CVoldrimDoc::m_bHeldE}, {Qt::Key_H, &CVoldrimDoc::m_bHeldH},
        {Qt::Key_R, &CVoldrimDoc::m_bHeldR}, {Qt::Key_T, &CVoldrimDoc::m_bHeldT}, {Qt::Key_W, &CVoldrimDoc::m_bHeldW},
    };
    for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
                                       Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        for (const auto& [key, flag] : letters) {
            QTest::keyPress(view, key, mods);
            EXPECT_TRUE(doc->*flag) << key;
            QTest::keyRelease(view, key, mods);
            EXPECT_FALSE(doc->*flag) << key;
        }
    }
    for (Qt::Key other : {Qt::Key_A, Qt::Key_Q, Qt::Key_S, Qt::Key_Space}) {
        QTest::keyPress(view, other);
        EXPECT_FALSE(doc->m_bHeldH || doc->m_bHeldW || doc->m_bHeldT || doc->m_bHeldE || doc->m_bHeldD ||
                     doc->m_bHeldR);
        QTest::keyRelease(view, other);
    }
}

TEST(FboardClick, AStaffQuestionRefusesFingerboardClicks)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    doc->m_nQuestionState = QuestionRunning;
    doc->m_nQuestionType = AnswerOnStaff;
    doc->m_nQuestionPitch = 50;
    doc->UpdateAllViews(nullptr, HintRepaintAll);
    Settle(view);
    QTest::keyPress(view, Qt::Key_H);
    app.m_responder.ExpectMessageBox();
    ClickStop(view, 45);
    ASSERT_EQ(app.m_responder.Texts().size(), 1u);
    EXPECT_EQ(app.m_responder.Texts()[0],
              QStringLiteral("The current question requires you to click on the staff, not on the fingerboard!"));
    EXPECT_FALSE(doc->m_bHeldH);
    EXPECT_EQ(doc->m_nCurrentPitch, kNoPitch);
    EXPECT_TRUE(doc->m_bStaffNoteShown);
    EXPECT_EQ(FillOf(view, StopOf(doc, 45).GetRect()), kGreen);
    EXPECT_EQ(FillOf(view, StopOf(doc, 50).GetRect()), kRed);  // the asked note
    QTest::keyRelease(view, Qt::Key_H);
}

TEST(FboardClick, TheFlashCardRevealsTheChosenNameAndIsCoveredAgain)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    ASSERT_TRUE(app.Choose(ID_MODE_FLASH_CARD));
    Settle(view);
    ASSERT_GT(view->width(), 500);
    const CRect inside(320, 50, 480, 300);
    const QPoint onCard(400, 60);

    // Before any stop: an empty white card.
    Click(view, onCard);
    EXPECT_EQ(PixelsOfColourIn(view, inside, kRed), 0);
    EXPECT_EQ(DarkPixelsIn(view, inside), 0);

    ClickStop(view, 43);
    EXPECT_GT(PixelsOfColourIn(view, inside, kRed), 1000);  // covered by the stop click
    EXPECT_EQ(doc->m_strNoteName, QStringLiteral("G"));
    Click(view, onCard);
    EXPECT_EQ(PixelsOfColourIn(view, inside, kRed), 0);
    const int nameInk = DarkPixelsIn(view, inside);
    EXPECT_GT(nameInk, 300);  // a large letter
    // Right and bottom edges of the card are outside it: they cover it.
    Click(view, QPoint(500, 100));
    EXPECT_GT(PixelsOfColourIn(view, inside, kRed), 1000);
    Click(view, onCard);
    Click(view, QPoint(400, 320));
    EXPECT_GT(PixelsOfColourIn(view, inside, kRed), 1000);
    EXPECT_EQ(doc->m_nCurrentPitch, 43);
}

TEST(FboardClick, AViewTooNarrowForTheCardHasNoCardToClick)
{
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    auto view = LooseView(doc, 450);
    ClickStop(view.get(), 43);
    Click(view.get(), QPoint(400, 60));
    EXPECT_EQ(DarkPixelsIn(view.get(), CRect(300, 30, 450, 320)), 0);
    EXPECT_EQ(PixelsOfColourIn(view.get(), CRect(300, 30, 450, 320), kRed), 0);
}

TEST(FboardClick, ShowMeRefusesAWideFingerboardAndTheChromaticKey)
{
    CAppHarness app;
    CFboardView* view = app.Fboard();
    CVoldrimDoc* doc = app.Doc();
    CSplitterWnd* splitter = app.Frame()->GetSplitter();
    EXPECT_FALSE(view->ShowMeButton().isHidden());  // as the program starts

    // Dragged wider than 220 pixels, but narrow enough to keep the button.
    splitter->SetColumnInfo(0, 300, 150);
    splitter->SetColumnInfo(1, 300, 100);
    splitter->RecalcLayout();
    Settle(view);
    ASSERT_GT(view->width(), 220);
    ASSERT_LE(view->width(), 500);
    ASSERT_FALSE(view->ShowMeButton().isHidden());
    doc->m_bHeldT = true;
    app.m_responder.ExpectMessageBox();
    QTest::mouseClick(&view->ShowMeButton(), Qt::LeftButton);
    ASSERT_EQ(app.m_responder.Texts().size(), 1u);
    EXPECT_EQ(app.m_responder.Texts()[0], AfxLoadString(7));
    EXPECT_FALSE(doc->m_bHeldT);

    splitter->SetColumnInfo(0, 180, 180);
    splitter->RecalcLayout();
    ASSERT_TRUE(app.Choose(ID_KEY_CHROMATIC));
    Settle(view);
    ASSERT_LE(view->width(), 220);
    doc->m_bHeldE = true;
    app.m_responder.ExpectMessageBox();
    QTest::mouseClick(&view->ShowMeButton(), Qt::LeftButton);
    ASSERT_EQ(app.m_responder.Texts().size(), 2u);
    EXPECT_EQ(app.m_responder.Texts()[1], AfxLoadString(6));
    EXPECT_FALSE(doc->m_bHeldE);
    EXPECT_EQ(doc->m_nQuestionState, NoQuestion);

    // During playback the button does nothing at all.
    doc->m_bPlaying = true;
    QTest::mouseClick(&view->ShowMeButton(), Qt::LeftButton);
    EXPECT_EQ(app.m_responder.Texts().size(), 2u);
}

}  // namespace
