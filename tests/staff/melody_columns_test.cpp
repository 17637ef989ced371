// The document's melody written into the columns after a re-layout, and
// rebuilt from the columns.
#include "model/key.h"
#include "staff_view_fixture.h"

namespace {

using stafftest::kBlack;
using stafftest::kWhite;
using stafftest::StaffViewTest;

class MelodyPlacement : public StaffViewTest {};

TEST_F(MelodyPlacement, AResizeWritesTheMelodyFromTheFirstColumn)
{
    Create(600, 450);
    WriteColumn(4, 45, 2);  // a note of the old picture
    AddToMelody(57, 2);
    AddToMelody(999, 999);
    AddToMelody(54, 6);
    Resize(620, 450);

    const CStaffColumn& a = *m_doc->m_columnList[0];
    EXPECT_EQ(a.GetPitch(), 57);
    EXPECT_EQ(a.GetValue(), 2);
    EXPECT_EQ(a.GetNoteRect(), CRect(100, 64, 120, 78));
    EXPECT_EQ(a.GetName(), "A");
    // A rest takes the top row and a blank name.
    const CStaffColumn& rest = *m_doc->m_columnList[1];
    EXPECT_EQ(rest.GetPitch(), 999);
    EXPECT_EQ(rest.GetValue(), 999);
    EXPECT_EQ(rest.GetNoteRect(), CRect(144, 34, 164, 48));
    EXPECT_EQ(rest.GetName(), " ");
    // F# sits on the F row whatever the key.
    const CStaffColumn& fSharp = *m_doc->m_columnList[2];
    EXPECT_EQ(fSharp.GetNoteRect(), CRect(188, 79, 208, 93));
    EXPECT_EQ(fSharp.GetName(), "F#");
    EXPECT_FALSE(m_doc->m_columnList[3]->IsWritten());
    EXPECT_FALSE(m_doc->m_columnList[4]->IsWritten());

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

TEST_F(MelodyPlacement, NotesPastTheLastColumnStayInTheMelody)
{
    Create(600, 450);
    for (int i = 0; i < 30; ++i)
        AddToMelody(36 + i % 28, 2);
    Resize(600, 451);
    for (int c = 0; c < 22; ++c)
        EXPECT_EQ(m_doc->m_columnList[size_t(c)]->GetPitch(), 36 + c) << c;
    EXPECT_EQ(m_doc->m_melody.size(), 30u);
    EXPECT_EQ(m_doc->m_melody.back()->GetPitch(), 37);

    // A wider view shows more of them.
    Resize(800, 451);
    EXPECT_EQ(m_doc->m_nColumnCount, 32);
    EXPECT_EQ(m_doc->m_columnList[29]->GetPitch(), 37);
    EXPECT_FALSE(m_doc->m_columnList[30]->IsWritten());
    EXPECT_EQ(m_doc->m_nLastColumn, 29);
}

TEST_F(MelodyPlacement, AMelodyPitchNoRowCanShowTakesNoColumn)
{
    // Melody files carry whatever pitches they hold.
    Create(600, 450);
    AddToMelody(57, 2);
    AddToMelody(70, 2);
    AddToMelody(-5, 2);
    AddToMelody(20, 4);
    AddToMelody(50, 4);
    Resize(600, 451);
    EXPECT_EQ(m_doc->m_columnList[0]->GetPitch(), 57);
    EXPECT_EQ(m_doc->m_columnList[1]->GetPitch(), 50);
    EXPECT_FALSE(m_doc->m_columnList[2]->IsWritten());
    EXPECT_EQ(m_doc->m_nLastColumn, 1);
    EXPECT_EQ(m_doc->m_melody.size(), 5u);
}

TEST_F(MelodyPlacement, ChromaticMelodyGetsItsNaturalsWhenPlaced)
{
    Create(600, 450);
    m_doc->m_nKey = KeyChromatic;
    AddToMelody(49, 2);
    AddToMelody(48, 2);
    Resize(600, 451);
    EXPECT_TRUE(BlackColumn(88, 93, 133));   // sharp before C#
    EXPECT_TRUE(BlackColumn(130, 89, 122));  // natural before C
}

TEST_F(MelodyPlacement, SyncRebuildsTheMelodyFromWrittenColumns)
{
    Create(600, 450);
    AddToMelody(40, 2);
    WriteColumn(0, 57, 4);
    WriteColumn(3, 999, 999);
    WriteColumn(12, 45, 1);
    m_view->SyncMelodyList();
    ASSERT_EQ(m_doc->m_melody.size(), 3u);
    const std::pair<int, int> expected[] = {{57, 4}, {999, 999}, {45, 1}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m_doc->m_melody[i]->GetPitch(), expected[i].first);
        EXPECT_EQ(m_doc->m_melody[i]->GetValue(), expected[i].second);
    }

    // Placed again, the gaps close up.
    m_doc->m_bReloadMelody = 1;
    m_doc->ClearColumns();
    Repaint();
    EXPECT_EQ(m_doc->m_columnList[1]->GetPitch(), 999);
    EXPECT_EQ(m_doc->m_columnList[2]->GetPitch(), 45);
    EXPECT_EQ(m_doc->m_columnList[2]->GetValue(), 1);
    EXPECT_FALSE(m_doc->m_columnList[3]->IsWritten());
}

TEST_F(MelodyPlacement, AQuestionNoteForTheFingerboardIsHandedToTheStaffOnce)
{
    Create(600, 450);
    m_doc->m_nQuestionState = 1;
    m_doc->m_nQuestionType = 1;
    m_doc->m_nQuestionPitch = 57;
    m_doc->m_nCurrentPitch = 57;
    m_doc->m_bStaffNoteShown = 0;
    m_doc->UpdateAllViews(nullptr, 4);
    Paint();
    EXPECT_EQ(m_doc->m_bStaffNoteShown, 1);

    // A staff answer is not shown for a type 2 question until it is written.
    m_doc->m_nQuestionType = 2;
    m_doc->m_bStaffNoteShown = 0;
    m_doc->UpdateAllViews(nullptr, 4);
    Paint();
    EXPECT_EQ(m_doc->m_bStaffNoteShown, 0);
}

} // namespace
