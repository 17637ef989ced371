// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The document's melody written into the columns after a re-layout, and
// rebuilt from the columns.
#include "model/key.h"
#include "staff_view_fixture.h"

namespace {

using stafftest::kBlack;
using stafftest::kWhite;
using stafftest::StaffViewTest;

class MelodyColumns : public StaffViewTest {};

TEST_F(MelodyColumns, AResizeWritesTheMelodyFromTheFirstColumn)
{
    Create(600, 450);
    WriteColumn(4, 45, NoteQuarter);  // a note of the old picture
    AddToMelody(57, NoteQuarter);
    AddToMelody(kRestPitch, NoteRest);
    AddToMelody(54, NoteDottedHalf);
    Resize(620, 450);

    const CStaffColumn& a = m_doc->m_columnList[0];
    EXPECT_EQ(a.GetPitch(), 57);
    EXPECT_EQ(a.GetValue(), NoteQuarter);
    EXPECT_EQ(a.GetNoteRect(), CRect(100, 64, 120, 78));
    EXPECT_EQ(a.GetName(), "A");
    // A rest takes the top row and a blank name.
    const CStaffColumn& rest = m_doc->m_columnList[1];
    EXPECT_EQ(rest.GetPitch(), kRestPitch);
    EXPECT_EQ(rest.GetValue(), NoteRest);
    EXPECT_EQ(rest.GetNoteRect(), CRect(144, 34, 164, 48));
    EXPECT_EQ(rest.GetName(), " ");
    // F# sits on the F row whatever the key.
    const CStaffColumn& fSharp = m_doc->m_columnList[2];
    EXPECT_EQ(fSharp.GetNoteRect(), CRect(188, 79, 208, 93));
    EXPECT_EQ(fSharp.GetName(), "F#");
    EXPECT_FALSE(m_doc->m_columnList[3].IsWritten());
    EXPECT_FALSE(m_doc->m_columnList[4].IsWritten());

    EXPECT_EQ(m_doc->m_nLastColumn, 2);
    EXPECT_EQ(m_doc->m_strNoteName, "F#");
    EXPECT_EQ(m_doc->m_nCurrentPitch, 54);
    EXPECT_EQ(m_doc->m_melody.size(), 3u);
    // And it is drawn: the filled A head, the rest sign, the hollow F# head.
    EXPECT_TRUE(IsBlack(110, 71));
    EXPECT_TRUE(IsBlack(155, 94));
    EXPECT_EQ(Px(198, 86), kWhite);
    EXPECT_TRUE(IsBlack(198, 79));
}

TEST_F(MelodyColumns, NotesPastTheLastColumnStayInTheMelody)
{
    Create(600, 450);
    for (int i = 0; i < 30; ++i)
        AddToMelody(36 + i % 28, NoteQuarter);
    Resize(600, 451);
    for (int c = 0; c < 22; ++c)
        EXPECT_EQ(m_doc->m_columnList[size_t(c)].GetPitch(), 36 + c) << c;
    EXPECT_EQ(m_doc->m_melody.size(), 30u);
    EXPECT_EQ(m_doc->m_melody.back()->GetPitch(), 37);

    // A wider view shows more of them.
    Resize(800, 451);
    EXPECT_EQ(m_doc->m_nColumnCount, 32);
    EXPECT_EQ(m_doc->m_columnList[29].GetPitch(), 37);
    EXPECT_FALSE(m_doc->m_columnList[30].IsWritten());
    EXPECT_EQ(m_doc->m_nLastColumn, 29);
}

TEST_F(MelodyColumns, AMelodyPitchNoRowCanShowTakesNoColumn)
{
    // Melody files carry whatever pitches they hold.
    Create(600, 450);
    AddToMelody(57, NoteQuarter);
    AddToMelody(70, NoteQuarter);
    AddToMelody(-5, NoteQuarter);
    AddToMelody(20, NoteHalf);
    AddToMelody(50, NoteHalf);
    Resize(600, 451);
    EXPECT_EQ(m_doc->m_columnList[0].GetPitch(), 57);
    EXPECT_EQ(m_doc->m_columnList[1].GetPitch(), 50);
    EXPECT_FALSE(m_doc->m_columnList[2].IsWritten());
    EXPECT_EQ(m_doc->m_nLastColumn, 1);
    EXPECT_EQ(m_doc->m_melody.size(), 5u);
}

TEST_F(MelodyColumns, ChromaticMelodyGetsItsNaturalsWhenPlaced)
{
    Create(600, 450);
    m_doc->m_nKey = KeyChromatic;
    AddToMelody(49, NoteQuarter);
    AddToMelody(48, NoteQuarter);
    Resize(600, 451);
    EXPECT_TRUE(BlackColumn(88, 93, 133));   // sharp before C#
    EXPECT_TRUE(BlackColumn(130, 89, 122));  // natural before C
}

TEST_F(MelodyColumns, SyncReadsTheWrittenColumnsAndKeepsTheRecordsNoColumnShows)
{
    Create(600, 450);
    // A record of the melody that no column shows, as one past the staff.
    AddToMelody(40, NoteQuarter);
    WriteColumn(0, 57, NoteHalf);
    WriteColumn(3, kRestPitch, NoteRest);
    WriteColumn(12, 45, NoteEighth);
    m_view->SyncMelodyList();
    const std::pair<int, NoteValue> expected[] = {
        {57, NoteHalf}, {kRestPitch, NoteRest}, {45, NoteEighth}, {40, NoteQuarter}};
    ASSERT_EQ(m_doc->m_melody.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(m_doc->m_melody[i]->GetPitch(), expected[i].first);
        EXPECT_EQ(m_doc->m_melody[i]->GetValue(), expected[i].second);
    }

    // Placed again, the gaps close up.
    m_doc->m_bReloadMelody = true;
    m_doc->ClearColumns();
    Repaint();
    EXPECT_EQ(m_doc->m_columnList[1].GetPitch(), kRestPitch);
    EXPECT_EQ(m_doc->m_columnList[2].GetPitch(), 45);
    EXPECT_EQ(m_doc->m_columnList[2].GetValue(), NoteEighth);
    EXPECT_EQ(m_doc->m_columnList[3].GetPitch(), 40);
    EXPECT_FALSE(m_doc->m_columnList[4].IsWritten());
}

TEST_F(MelodyColumns, AQuestionNoteForTheFingerboardIsHandedToTheStaffOnce)
{
    Create(600, 450);
    m_doc->m_nQuestionState = QuestionRunning;
    m_doc->m_nQuestionType = AnswerOnFingerboard;
    m_doc->m_nQuestionPitch = 57;
    m_doc->m_nCurrentPitch = 57;
    m_doc->m_bStaffNoteShown = false;
    m_doc->UpdateAllViews(nullptr, HintTryAgain);
    Paint();
    EXPECT_TRUE(m_doc->m_bStaffNoteShown);

    // A staff answer is not shown for a type 2 question until it is written.
    m_doc->m_nQuestionType = AnswerOnStaff;
    m_doc->m_bStaffNoteShown = false;
    m_doc->UpdateAllViews(nullptr, HintTryAgain);
    Paint();
    EXPECT_FALSE(m_doc->m_bStaffNoteShown);
}

} // namespace
