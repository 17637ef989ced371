// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which question is asked: the side and the note chosen by the clock's
// second, and the question tables of the keys.
#include "model/finger_stop.h"
#include "quiz/question_tables.h"
#include "quiz/show_me_questions.h"
#include "quiz_probe.h"

namespace {

using namespace quizprobe;

TEST(QuestionChoice, TheSecondChoosesTheSideAndTheNoteInEveryKeyAndMode)
{
    CRecordingMidiOutput midi;
    CVoldrimDoc doc;
    CFixedClock clock(kSecond);
    struct Case {
        Key key;
        QuestionMode mode;
        int secondsLater;
        QuestionType type;
        int pitch;
    };
    const Case cases[] = {
        {KeyC, QuestionModeFingerboard, 15, AnswerOnFingerboard, 36}, {KeyC, QuestionModeStaff, 1, AnswerOnStaff, 62},
        {KeyC, QuestionModeBoth, 0, AnswerOnStaff, 45},         {KeyC, QuestionModeBoth, 7, AnswerOnFingerboard, 60},
        {KeyG, QuestionModeFingerboard, 11, AnswerOnFingerboard, 48}, {KeyG, QuestionModeStaff, 3, AnswerOnStaff, 43},
        {KeyG, QuestionModeBoth, 2, AnswerOnStaff, 54},         {KeyG, QuestionModeBoth, 23, AnswerOnFingerboard, 42},
        {KeyD, QuestionModeFingerboard, 15, AnswerOnFingerboard, 37}, {KeyD, QuestionModeStaff, 11, AnswerOnStaff, 49},
        {KeyD, QuestionModeBoth, 26, AnswerOnStaff, 40},        {KeyD, QuestionModeBoth, 13, AnswerOnFingerboard, 57},
        {KeyF, QuestionModeFingerboard, 25, AnswerOnFingerboard, 50}, {KeyF, QuestionModeStaff, 14, AnswerOnStaff, 46},
        {KeyF, QuestionModeBoth, 24, AnswerOnStaff, 60},        {KeyF, QuestionModeBoth, 33, AnswerOnFingerboard, 55},
        {KeyBb, QuestionModeFingerboard, 1, AnswerOnFingerboard, 63}, {KeyBb, QuestionModeStaff, 26, AnswerOnStaff, 39},
        {KeyBb, QuestionModeBoth, 18, AnswerOnStaff, 63},       {KeyBb, QuestionModeBoth, 29, AnswerOnFingerboard, 38},
        {KeyChromatic, QuestionModeBoth, 12, AnswerOnStaff, 38},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("key " + std::to_string(c.key) + ", +" + std::to_string(c.secondsLater));
        doc.m_nKey = c.key;
        doc.m_nQuestionMode = c.mode;
        // As the options leave it: only "both" lets the clock choose.
        doc.m_nQuestionType = c.mode == QuestionModeFingerboard ? AnswerOnFingerboard : AnswerOnStaff;
        doc.m_bStaffNoteShown = true;
        clock.m_now = kSecond + c.secondsLater;
        NewQuestion(doc);
        EXPECT_EQ(doc.m_nQuestionType, c.type);
        EXPECT_EQ(doc.m_nQuestionPitch, c.pitch);
        EXPECT_EQ(doc.m_nCurrentPitch, c.pitch);
        EXPECT_EQ(doc.m_strQuestion, c.type == AnswerOnStaff ? "Can you show me this note on the staff?"
                                                             : "Can you show me this note on the fingerboard?");
        EXPECT_FALSE(doc.m_bStaffNoteShown);
    }
}

TEST(QuestionChoice, EveryNoteAskedHasAStopAndOneStaffRowInItsKey)
{
    CRecordingMidiOutput midi;
    CVoldrimDoc doc;
    for (Key key : {KeyC, KeyG, KeyD, KeyF, KeyBb}) {
        doc.ApplyKey(key);
        for (int pitch : QuestionTableOf(key)) {
            SCOPED_TRACE(std::to_string(key) + ": " + std::to_string(pitch));
            const CFingerStop* stop = FindStopOfPitch(doc.m_stopList, pitch);
            ASSERT_NE(stop, nullptr);
            EXPECT_EQ(stop->GetKeyStatus(), KeyStatusInKey);
            int rows = 0;
            for (int row = 0; row < kStaffPositionsPerColumn; ++row)
                rows += StaffPitchForKey(row, key) == pitch ? 1 : 0;
            EXPECT_EQ(rows, 1);
        }
    }
    const QuestionTable& d = QuestionTableOf(KeyD);
    for (int naturalC : {36, 48, 60})
        EXPECT_EQ(std::count(d.begin(), d.end(), naturalC), 0) << naturalC;
    EXPECT_EQ(QuestionTableOf(KeyBb)[16], 63);
}

}  // namespace
