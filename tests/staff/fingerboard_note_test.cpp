// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A stop clicked on the fingerboard goes into the next staff column, drawn
// and sounded, and the melody follows; a full staff asks first.
#include "fingerboard/fboard_probe.h"
#include "res/resource.h"
#include "framework/resources.h"
#include "staff_entry_probe.h"
#include "staff_view_fixture.h"

namespace {

using namespace staffentry;
using fboard_probe::ClickStop;
using fboard_probe::Settle;

class FingerboardNote : public ::testing::Test {
protected:
    FingerboardNote()
    {
        Settle(app.Staff());
        app.m_midi.ClearWords();
    }
    void Stop(int pitch)
    {
        ClickStop(app.Fboard(), pitch);
        Settle(app.Staff());
    }
    void StaffClick(int column, int row)
    {
        ClickRow(app.Staff(), column, row);
        Settle(app.Staff());
    }
    std::vector<int> Melody() const
    {
        std::vector<int> pitches;
        for (const auto& record : app.Doc()->m_melody)
            pitches.push_back(record->GetPitch());
        return pitches;
    }
    QRgb Pixel(int x, int y) const { return app.Staff()->BackingImage().pixel(x, y) & 0xFFFFFF; }

    CAppHarness app;
};

TEST_F(FingerboardNote, GoesIntoTheNextColumnDrawnAndSounded)
{
    CVoldrimDoc* doc = app.Doc();
    ASSERT_GE(doc->m_nColumnCount, 8);
    Stop(45);
    QTest::keyPress(app.Fboard(), Qt::Key_H);
    Stop(48);
    QTest::keyRelease(app.Fboard(), Qt::Key_H);

    const CStaffColumn& a = doc->m_columnList[0];
    EXPECT_EQ(a.GetPitch(), 45);
    EXPECT_EQ(a.GetValue(), NoteQuarter);
    EXPECT_EQ(a.GetName(), "A");
    EXPECT_EQ(doc->m_columnList[1].GetValue(), NoteHalf);
    EXPECT_EQ(doc->m_nLastColumn, 1);
    EXPECT_TRUE(doc->m_bStaffNoteShown);
    EXPECT_EQ(Melody(), (std::vector<int>{45, 48}));
    EXPECT_EQ(NotesStarted(app.m_midi.AllWords()), (std::vector<int>{45, 48}));
    // A2 is filled on its row (head 100,116-120,130); C3 is hollow.
    EXPECT_EQ(Pixel(110, 124), 0u);
    EXPECT_EQ(Pixel(154, 134), 0xFFFFFFu);
    EXPECT_EQ(Pixel(144, 130), 0u);
}

TEST_F(FingerboardNote, AStaffClickInALaterColumnMovesTheNextNoteOn)
{
    Stop(45);
    Stop(47);
    Stop(48);
    StaffClick(5, 4);
    Stop(43);
    EXPECT_EQ(app.Doc()->m_nLastColumn, 6);
    EXPECT_EQ(app.Doc()->m_columnList[6].GetPitch(), 43);
    EXPECT_EQ(Melody(), (std::vector<int>{45, 47, 48, 57, 43}));
}

TEST_F(FingerboardNote, AtTheEndOfTheStaffYesKeepsTheMelodyAndNoStartsAgain)
{
    CVoldrimDoc* doc = app.Doc();
    const int last = doc->m_nColumnCount - 1;
    Stop(45);
    StaffClick(last, 4);
    app.m_midi.ClearWords();

    app.m_responder.ExpectMessageBox(IDYES);
    Stop(48);
    ASSERT_EQ(app.m_responder.Texts().size(), 1u);
    EXPECT_EQ(app.m_responder.Texts()[0], AfxLoadString(IDS_STAFF_FULL));
    EXPECT_EQ(app.m_responder.Types()[0] & 0xF, UINT(MB_YESNO));
    // The melody is back from the first column on; the new note is dropped.
    EXPECT_EQ(doc->m_columnList[0].GetPitch(), 45);
    EXPECT_EQ(doc->m_columnList[1].GetPitch(), 57);
    EXPECT_EQ(doc->m_columnList[2].GetPitch(), 0);
    EXPECT_EQ(Melody(), (std::vector<int>{45, 57}));
    EXPECT_TRUE(NotesStarted(app.m_midi.AllWords()).empty());

    StaffClick(last, 4);
    app.m_responder.ExpectMessageBox(IDNO);
    Stop(50);
    EXPECT_EQ(Melody(), (std::vector<int>{50}));
    EXPECT_EQ(doc->m_columnList[0].GetPitch(), 50);
    EXPECT_EQ(doc->m_nLastColumn, 0);
    EXPECT_EQ(NotesStarted(app.m_midi.AllWords()).back(), 50);
    // The old notes are gone from the screen: column 1 shows no head.
    EXPECT_EQ(Pixel(154, 71), 0xFFFFFFu);
}

TEST_F(FingerboardNote, FollowsThePlaybackAndThePlayCommandStartsIt)
{
    CVoldrimDoc* doc = app.Doc();
    Stop(45);
    Stop(50);
    app.Staff()->Timers().Fire(CStaffView::kSingleNoteTimer);
    // The Play command reaches the staff when it is the active view.
    app.Frame()->SetActiveView(app.Staff());
    ASSERT_TRUE(app.Choose(ID_PLAY));
    EXPECT_FALSE(app.IsEnabled(ID_PLAY));
    app.Staff()->Timers().Fire(CStaffView::kPlaybackTimer);
    app.ProcessEvents();
    Settle(app.Fboard());
    EXPECT_EQ(doc->m_rcHighlight, fboard_probe::StopOf(doc, 45).GetRect());
    EXPECT_EQ(fboard_probe::FillOf(app.Fboard(), fboard_probe::StopOf(doc, 45).GetRect()), fboard_probe::kRed);
    for (int i = 0; i < 2; ++i)
        app.Staff()->Timers().Fire(CStaffView::kPlaybackTimer);
    Settle(app.Fboard());
    EXPECT_EQ(doc->m_rcHighlight, fboard_probe::StopOf(doc, 50).GetRect());
    EXPECT_NE(fboard_probe::FillOf(app.Fboard(), fboard_probe::StopOf(doc, 45).GetRect()), fboard_probe::kRed);
}

class HandedOverNote : public stafftest::StaffViewTest {
protected:
    // What a stop click on the fingerboard leaves for the staff.
    void HandOver(int pitch)
    {
        m_doc->m_nCurrentPitch = pitch;
        m_doc->m_bStaffNoteShown = false;
        m_doc->UpdateAllViews(nullptr, HintNoteOrTempo);
        Paint();
    }
};

TEST_F(HandedOverNote, APitchNoRowShowsIsReportedAndNothingIsWritten)
{
    Create(600, 450);
    m_midi.ClearWords();
    m_responder.ExpectMessageBox();
    HandOver(35);
    EXPECT_EQ(m_responder.Texts().back(), "Index error in Find Index - StaffView Play Clicked Stop");
    EXPECT_EQ(m_doc->m_columnList[0].GetPitch(), 0);
    EXPECT_TRUE(m_midi.AllWords().empty());
    // A rest takes the top row, as in a loaded melody.
    HandOver(kRestPitch);
    EXPECT_EQ(m_doc->m_columnList[1].GetPitch(), kRestPitch);
    EXPECT_EQ(m_doc->m_columnList[1].GetName(), " ");
}

struct StaffSize {
    int width, height;
    bool columns;
};

class SmallStaff : public HandedOverNote, public ::testing::WithParamInterface<StaffSize> {};

// Narrower than 150 pixels, or too low for one system after a larger size:
// no column on the screen to write into.
TEST_P(SmallStaff, SoundsAHandedOverNoteWithoutWritingIt)
{
    Create(600, 450);
    Resize(GetParam().width, GetParam().height);
    EXPECT_EQ(m_doc->m_nColumnCount > 0, GetParam().columns);
    m_midi.ClearWords();
    HandOver(57);
    EXPECT_EQ(m_midi.AllWords(), (std::vector<DWORD>{NoteOn(57)}));
    EXPECT_TRUE(m_doc->m_bStaffNoteShown);
    for (const CStaffColumn& column : m_doc->m_columnList)
        EXPECT_EQ(column.GetPitch(), 0);
    EXPECT_EQ(m_doc->m_nLastColumn, CVoldrimDoc::kNoColumn);
    EXPECT_TRUE(m_doc->m_melody.empty());
}

INSTANTIATE_TEST_SUITE_P(NarrowOrLow, SmallStaff,
                         ::testing::Values(StaffSize{ 140, 450, true }, StaffSize{ 600, 150, false }));

} // namespace
