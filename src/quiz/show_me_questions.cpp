// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/show_me_questions.h"

#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "quiz/practice_log.h"
#include "quiz/question_clock.h"
#include "quiz/question_tables.h"
#include "res/resource.h"

#include <random>

namespace {

// The first number of the generator seeded with the clock. The minimal
// standard generator gives the same numbers on every system, so the
// question depends on the second alone.
unsigned long FirstNumberOfTheSecond()
{
    std::minstd_rand0 generator(static_cast<unsigned>(AfxGetQuestionClock().Now()));
    return generator();
}

}  // namespace

void NewQuestion(CVoldrimDoc& doc)
{
    if (doc.m_nQuestionMode == QuestionModeBoth)
        doc.m_nQuestionType = FirstNumberOfTheSecond() % 2 == 0 ? AnswerOnStaff : AnswerOnFingerboard;
    ChooseQuestionNote(doc);
}

void ChooseQuestionNote(CVoldrimDoc& doc)
{
    if (CPracticeLog* log = AfxGetPracticeLog(); doc.m_bWeakNotes && log) {
        doc.m_nQuestionPitch = log->ChooseWeakNote(doc.m_nKey);
    } else {
        const std::size_t index = FirstNumberOfTheSecond() % kQuestionsPerKey;
        doc.m_nQuestionPitch = QuestionTableOf(doc.m_nKey)[index];
    }
    doc.m_strQuestion = doc.m_nQuestionType == AnswerOnStaff
                            ? QStringLiteral("Can you show me this note on the staff?")
                            : QStringLiteral("Can you show me this note on the fingerboard?");
    doc.m_bStaffNoteShown = false;
    doc.m_nCurrentPitch = doc.m_nQuestionPitch;
}

bool StartShowMe(CVoldrimDoc& doc, bool besideStaff)
{
    if (doc.m_bPlaying)
        return false;
    UINT refusal = 0;
    if (!besideStaff)
        refusal = IDS_SHOWME_NEEDS_BOTH_VIEWS;
    else if (doc.m_nKey == KeyChromatic)
        refusal = IDS_SHOWME_CHROMATIC;
    if (refusal != 0) {
        AfxMessageBox(refusal);
        doc.ClearHeldKeys();
        return false;
    }
    AskQuestion(doc);
    return true;
}

void AskQuestion(CVoldrimDoc& doc)
{
    doc.ResetState();
    NewQuestion(doc);
    doc.m_nQuestionState = QuestionRunning;
    doc.m_questionShownAt = std::chrono::steady_clock::now();
    doc.ClearColumns();
}

void EndQuiz(CVoldrimDoc& doc)
{
    doc.m_bStaffNoteShown = false;
    // Ends the question as well.
    doc.ResetState();
}
