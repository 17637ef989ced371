// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and erasing notes by clicking the staff rows, with letter keys
// held for the rhythmic value.
#include "model/key.h"
#include "staff_entry_probe.h"
#include "staff_view_fixture.h"

namespace {

using namespace staffentry;
using stafftest::kWhite;

class StaffEntry : public stafftest::StaffViewTest {
protected:
    CStaffView* CreateAndClear()
    {
        CStaffView* view = Create(600, 450);
        m_midi.ClearWords();
        return view;
    }
    std::vector<int> Pitches() const
    {
        std::vector<int> pitches;
        for (const CStaffColumn& column : m_doc->m_columnList)
            pitches.push_back(column.GetPitch());
        return pitches;
    }
    std::vector<int> MelodyPitches() const
    {
        std::vector<int> pitches;
        for (const auto& record : m_doc->m_melody)
            pitches.push_back(record->GetPitch());
        return pitches;
    }
    std::vector<NoteValue> MelodyValues() const
    {
        std::vector<NoteValue> values;
        for (const auto& record : m_doc->m_melody)
            values.push_back(record->GetValue());
        return values;
    }
};

TEST_F(StaffEntry, HeldLetterKeysChooseTheValueOfTheClickedNote)
{
    CStaffView* view = CreateAndClear();
    ClickRow(view, 0, 4);
    Paint();
    ClickRowHolding(view, 1, 4, {Qt::Key_H, Qt::Key_E});   // H wins over E
    Paint();
    ClickRowHolding(view, 2, 4, {Qt::Key_R, Qt::Key_H});   // R wins over everything
    Paint();
    ClickRowHolding(view, 3, 6, {Qt::Key_W}, Qt::ShiftModifier);
    Paint();
    ClickRow(view, 4, 4);  // the keys are up again
    Paint();

    EXPECT_EQ(MelodyValues(), (std::vector<NoteValue>{NoteQuarter, NoteHalf, NoteRest, NoteWhole, NoteQuarter}));
    const CStaffColumn& rest = m_doc->m_columnList[2];
    EXPECT_EQ(rest.GetPitch(), kRestPitch);
    EXPECT_EQ(rest.GetName(), " ");
    EXPECT_EQ(m_doc->m_columnList[0].GetName(), "A");
    EXPECT_EQ(m_doc->m_nLastColumn, 4);
    // A quarter's head is filled, a half note's hollow.
    EXPECT_TRUE(IsBlack(110, 74));
    EXPECT_EQ(Px(154, 74), kWhite);
    EXPECT_TRUE(IsBlack(144, 71));
    // Every note sounds as it is written; the rest only silences.
    EXPECT_EQ(NotesStarted(m_midi.AllWords()), (std::vector<int>{57, 57, 53, 57}));
    EXPECT_FALSE(m_doc->m_bHeldH || m_doc->m_bHeldE || m_doc->m_bHeldR || m_doc->m_bHeldW);
}

TEST_F(StaffEntry, ARowWritesThePitchOfTheKey)
{
    CStaffView* view = CreateAndClear();
    m_doc->m_nKey = KeyG;
    ClickRow(view, 0, 6);
    Paint();
    EXPECT_EQ(m_doc->m_columnList[0].GetPitch(), 54);
    EXPECT_EQ(m_doc->m_columnList[0].GetName(), "F#");
    EXPECT_EQ(m_doc->m_strNoteName, "F#");

    m_doc->m_nKey = KeyC;
    ClickRow(view, 1, 6);
    Paint();
    EXPECT_EQ(m_doc->m_columnList[1].GetPitch(), 53);
    EXPECT_EQ(m_doc->m_columnList[1].GetName(), "F");

    // The top E is out of the cello's reach in C: nothing changes at all.
    m_midi.ClearWords();
    ClickRow(view, 5, 0);
    Paint();
    EXPECT_EQ(m_doc->m_columnList[5].GetPitch(), 0);
    EXPECT_EQ(m_doc->m_nLastColumn, 1);
    EXPECT_EQ(m_doc->m_nCurrentPitch, 53);
    EXPECT_TRUE(m_midi.AllWords().empty());

    // In Bb the same row is Eb, which the cello reaches.
    m_doc->m_nKey = KeyBb;
    ClickRow(view, 2, 0);
    Paint();
    EXPECT_EQ(m_doc->m_columnList[2].GetPitch(), 63);
    EXPECT_EQ(m_doc->m_columnList[2].GetName(), "Eb");
    EXPECT_EQ(NotesStarted(m_midi.AllWords()), (std::vector<int>{63}));
}

TEST_F(StaffEntry, AClickRepaintsItsColumnAndSoundsTheNoteWithThePaint)
{
    CStaffView* view = CreateAndClear();
    Paint();
    ClickRow(view, 1, 4);
    // The column with room for an accidental in front of it; nothing sounds yet.
    EXPECT_EQ(view->PendingRegion(), QRegion(QRect(122, 33, 54, 152)));
    EXPECT_TRUE(m_midi.AllWords().empty());
    Paint();
    EXPECT_EQ(m_midi.AllWords(), (std::vector<DWORD>{NoteOn(57)}));
    EXPECT_TRUE(view->Timers().IsRunning(CStaffView::kSingleNoteTimer));

    // In the chromatic key a natural anywhere may change: all of it.
    m_doc->m_nKey = KeyChromatic;
    Repaint();
    m_midi.ClearWords();
    ClickRow(view, 2, 6);
    EXPECT_EQ(view->PendingRegion(), QRegion(QRect(0, 0, 600, 450)));
    Paint();
    // The sounding note is stopped before the next starts (the device
    // repeats the note-off of the note it last started).
    EXPECT_EQ(m_midi.AllWords(), (std::vector<DWORD>{NoteOff(57), NoteOff(57), NoteOn(53)}));

    // A second later the note ends.
    m_midi.ClearWords();
    view->Timers().Fire(CStaffView::kSingleNoteTimer);
    EXPECT_EQ(m_midi.AllWords(), (std::vector<DWORD>{NoteOff(53)}));
    EXPECT_FALSE(view->Timers().IsRunning(CStaffView::kSingleNoteTimer));
}

TEST_F(StaffEntry, ARightClickRemovesANoteAndClosesTheGaps)
{
    CStaffView* view = CreateAndClear();
    for (int c = 0; c < 5; ++c) {
        ClickRow(view, c, 4 + c);  // 57, 55, 53, 52, 50
        Paint();
    }
    ClickRow(view, 2, 10, Qt::RightButton);
    Paint();
    std::vector<int> expected(22, 0);
    expected[0] = 57, expected[1] = 55, expected[2] = 52, expected[3] = 50;
    EXPECT_EQ(Pitches(), expected);
    EXPECT_EQ(m_doc->m_melody.size(), 4u);
    EXPECT_EQ(m_doc->m_nLastColumn, 3);
    // E3 now shows in column 2, and column 4 looks like a column never written.
    EXPECT_TRUE(IsBlack(198, 93));
    EXPECT_EQ(Count(stafftest::kBlack, 270, 34, 300, 150), Count(stafftest::kBlack, 490, 34, 520, 150));

    // A note after a gap; a right click on an empty column closes it.
    ClickRow(view, 7, 4);
    Paint();
    ClickRow(view, 5, 4, Qt::RightButton);
    Paint();
    expected[4] = 57;
    EXPECT_EQ(Pitches(), expected);
    EXPECT_EQ(m_doc->m_nLastColumn, 4);
}

TEST_F(StaffEntry, EachClickChangesTheNoteOfItsColumnInTheMelody)
{
    CStaffView* view = CreateAndClear();
    struct Step {
        int column;
        int row;
        Qt::MouseButton button;
        std::vector<int> melody;
    };
    const Step steps[] = {
        {2, 4, Qt::LeftButton, {57}},
        {5, 8, Qt::LeftButton, {57, 50}},
        {0, 6, Qt::LeftButton, {53, 57, 50}},       // before the others
        {3, 9, Qt::LeftButton, {53, 57, 48, 50}},   // between two
        {2, 10, Qt::LeftButton, {53, 47, 48, 50}},  // over a note, in its place
        {1, 4, Qt::RightButton, {53, 47, 48, 50}},  // an empty column
        {1, 4, Qt::RightButton, {53, 48, 50}},      // the gaps have closed
    };
    for (const Step& step : steps) {
        ClickRow(view, step.column, step.row, step.button);
        Paint();
        EXPECT_EQ(MelodyPitches(), step.melody) << "column " << step.column << ", row " << step.row;
    }
}

TEST_F(StaffEntry, ClicksWaitForPlaybackAndForTheRightKindOfAnswer)
{
    CStaffView* view = CreateAndClear();
    m_doc->m_bPlaying = true;
    ClickRow(view, 0, 4);
    ClickRow(view, 0, 4, Qt::RightButton);
    Paint();
    EXPECT_EQ(m_doc->m_columnList[0].GetPitch(), 0);
    EXPECT_TRUE(m_midi.AllWords().empty());
    m_doc->m_bPlaying = false;

    // A question to be answered on the fingerboard refuses both buttons.
    m_doc->m_nQuestionState = QuestionRunning;
    m_doc->m_nQuestionType = AnswerOnFingerboard;
    m_responder.ExpectMessageBox();
    m_responder.ExpectMessageBox();
    QTest::keyPress(view, Qt::Key_D);
    ClickRow(view, 0, 4);
    EXPECT_FALSE(m_doc->m_bHeldD);  // the key-up may go to the box
    ClickRow(view, 0, 4, Qt::RightButton);
    // A question to be answered on the staff takes no rest.
    m_doc->m_nQuestionType = AnswerOnStaff;
    m_responder.ExpectMessageBox();
    ClickRowHolding(view, 0, 4, {Qt::Key_R});
    Paint();
    ASSERT_EQ(m_responder.Texts().size(), 3u);
    EXPECT_EQ(m_responder.Texts()[0], "The current question requires you to choose a stop on the fingerboard.");
    EXPECT_EQ(m_responder.Texts()[1], m_responder.Texts()[0]);
    EXPECT_EQ(m_responder.Texts()[2],
              "You are using a rest to answer a question, please switch to another rhythmic value.");
    EXPECT_EQ(m_doc->m_columnList[0].GetPitch(), 0);
}

} // namespace
