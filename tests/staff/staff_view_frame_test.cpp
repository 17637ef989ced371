// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The staff view's window: class, cursor, buttons, resizing and the
// update hints.
#include "framework/wnd_class.h"
#include "model/key.h"
#include "res/resource.h"
#include "sound/tempo_table.h"
#include "staff_view_fixture.h"
#include "support/app_harness.h"

#include <QTest>

#include <map>

namespace {

using stafftest::StaffViewTest;

class StaffViewFrame : public StaffViewTest {
protected:
    std::map<UINT, CBitmapButton*> Buttons() const
    {
        std::map<UINT, CBitmapButton*> buttons;
        for (CBitmapButton* button : m_view->findChildren<CBitmapButton*>())
            buttons[button->GetDlgCtrlID()] = button;
        return buttons;
    }
};

TEST_F(StaffViewFrame, SixButtonsStandAlongTheBottomEdge)
{
    Create(600, 450);
    const std::map<UINT, int> lefts = {{ID_PLAY_BUTTON, 10},     {IDC_ERASE_BUTTON, 80},  {ID_TEMPO, 150},
                                       {IDC_STOP_BUTTON, 220},   {IDC_TITLE_BUTTON, 290}, {IDC_EXIT_BUTTON, 360}};
    auto buttons = Buttons();
    ASSERT_EQ(buttons.size(), 6u);
    for (const auto& [id, left] : lefts) {
        ASSERT_TRUE(buttons.count(id)) << id;
        const QRect g = buttons[id]->geometry();
        EXPECT_EQ(g, QRect(left, 405, 63, 39)) << id;
        EXPECT_TRUE(buttons[id]->UpBitmap().IsLoaded());
        EXPECT_TRUE(buttons[id]->DownBitmap().IsLoaded());
        EXPECT_TRUE(buttons[id]->isVisibleTo(m_view.get()));
    }
    Resize(700, 300);
    EXPECT_EQ(Buttons()[IDC_EXIT_BUTTON]->geometry(), QRect(360, 255, 63, 39));
}

TEST_F(StaffViewFrame, WindowClassAsksForDoubleClicksAndAWhiteBackground)
{
    Create();
    // Erasing fills with white: repainting everything removes a stray mark.
    m_view->BackingImage().setPixel(590, 60, qRgb(255, 0, 0));
    Repaint();
    EXPECT_EQ(Px(590, 60), stafftest::kWhite);
    EXPECT_EQ(m_view->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(StaffViewFrame, NoteOrTempoHintRepaintsTheHeaderBandWithoutErasing)
{
    Create();
    m_doc->UpdateAllViews(nullptr, HintNoteOrTempo);
    EXPECT_EQ(m_view->PendingRegion(), QRegion(QRect(1, 1, 599, 99)));

    // Not erased: a mark in the band, where nothing is drawn, stays.
    m_view->BackingImage().setPixel(590, 60, qRgb(255, 0, 0));
    Paint();
    EXPECT_EQ(Px(590, 60), RGB(255, 0, 0));

    m_doc->UpdateAllViews(nullptr, HintTryAgain);
    EXPECT_EQ(m_view->PendingRegion(), QRegion(QRect(0, 0, 600, 450)));
    Paint();
    EXPECT_EQ(Px(590, 60), stafftest::kWhite);
}

TEST_F(StaffViewFrame, HeaderShowsTempoKeyAndAPendingQuestion)
{
    Create();
    std::vector<GdiCall> calls;
    m_view->SetDrawRecorder(&calls);
    m_doc->m_nKey = KeyChromatic;
    Repaint();
    std::vector<GdiCall> texts;
    for (const GdiCall& call : calls)
        if (call.op == "TextOut")
            texts.push_back(call);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, CString(78, QLatin1Char(' ')));
    EXPECT_EQ(texts[0].args, (std::vector<int>{8, 5}));
    EXPECT_EQ(texts[1].text, "Tempo: " + GetTempoName(600) + "    Key: Chromatic");
    EXPECT_EQ(texts[1].args, (std::vector<int>{8, 5}));

    calls.clear();
    m_doc->m_nKey = KeyBb;
    m_doc->m_nTempo = 300;
    m_doc->m_nQuestionState = QuestionRunning;
    Repaint();
    CString header;
    for (const GdiCall& call : calls)
        if (call.op == "TextOut")
            header = call.text;
    EXPECT_EQ(header, "Tempo: " + GetTempoName(300) + "    Key: Bb     Show Me?              ");
    m_view->SetDrawRecorder(nullptr);

    // The text is drawn in black on the header line.
    EXPECT_GT(Count(stafftest::kBlack, 8, 5, 300, 30), 100);
}

TEST_F(StaffViewFrame, AResizeRebuildsTheLayoutAndPlacesTheMelodyAgain)
{
    Create(600, 450);
    m_doc->m_nLastColumn = 5;
    m_doc->m_nCurrentPitch = 57;
    m_view->resize(800, 450);
    EXPECT_EQ(m_doc->m_nLastColumn, CVoldrimDoc::kNoColumn);
    EXPECT_EQ(m_doc->m_nCurrentPitch, kNoPitch);
    EXPECT_TRUE(m_doc->m_bReloadMelody);
    EXPECT_EQ(m_doc->m_nColumnCount, 2 * 16);  // x = 100 ... 760 < 775
    EXPECT_EQ(m_view->ClientWidth(), 800);
    Paint();
    EXPECT_FALSE(m_doc->m_bReloadMelody);
}

TEST_F(StaffViewFrame, APendingQuestionKeepsTheLayoutThroughAResize)
{
    Create(600, 450);
    WriteColumn(0, 57, NoteQuarter);
    m_doc->m_nLastColumn = 0;
    m_doc->m_nQuestionState = QuestionRunning;
    m_doc->m_nCurrentPitch = 57;
    m_view->resize(800, 250);
    EXPECT_EQ(m_doc->m_nSystems, 2);
    EXPECT_EQ(m_doc->m_nColumnCount, 22);
    EXPECT_EQ(m_doc->m_nLastColumn, 0);
    EXPECT_EQ(m_doc->m_nCurrentPitch, 57);
    EXPECT_FALSE(m_doc->m_bReloadMelody);
    EXPECT_EQ(m_doc->m_columnList[0].GetPitch(), 57);
    EXPECT_EQ(m_view->ColumnLimit(), 575);
    EXPECT_EQ(Buttons()[ID_PLAY_BUTTON]->geometry().top(), 205);
}

TEST(StaffViewInProgram, StaffOnlyWidensTheStaffAndTheEraseButtonReachesTheDocument)
{
    CAppHarness app;
    CStaffView* staff = app.Staff();
    CVoldrimDoc* doc = app.Doc();
    ASSERT_TRUE(app.Choose(ID_MODE_STAFF_ONLY));
    CRect client;
    staff->GetClientRect(&client);
    ASSERT_GE(client.Height(), 410);
    EXPECT_EQ(doc->m_nSystems, client.Height() / 205);
    int columnsPerSystem = 0;
    for (int x = 100; x < client.Width() - 25; x += 44)
        ++columnsPerSystem;
    EXPECT_EQ(doc->m_nColumnCount, columnsPerSystem * doc->m_nSystems);

    // A melody note on the staff, then the Erase button empties it.
    doc->m_melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, 57));
    doc->m_bReloadMelody = true;
    doc->UpdateAllViews(nullptr, HintRepaintAll);
    app.ProcessEvents();
    EXPECT_EQ(doc->m_columnList[0].GetPitch(), 57);

    CBitmapButton* erase = nullptr;
    for (CBitmapButton* button : staff->findChildren<CBitmapButton*>())
        if (button->GetDlgCtrlID() == IDC_ERASE_BUTTON)
            erase = button;
    ASSERT_NE(erase, nullptr);
    QTest::mouseClick(erase, Qt::LeftButton);
    app.ProcessEvents();
    EXPECT_TRUE(doc->m_melody.empty());
    EXPECT_EQ(doc->m_columnList[0].GetPitch(), 0);
}

} // namespace
