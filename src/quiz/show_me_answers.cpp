// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/show_me_answers.h"

#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "framework/view.h"
#include "quiz/practice_log.h"
#include "quiz/show_me_message_dlg.h"
#include "quiz/show_me_questions.h"

namespace {

const char* const kSorry = "Sorry...Try again?";

// Counts and records the answer, then asks whether to go on; true for Yes.
bool CountAndAskToGoOn(CVoldrimDoc& doc, bool right, const char* bravo, QWidget* owner,
                       const PracticePlaying& playing = {})
{
    (right ? doc.m_nCorrect : doc.m_nIncorrect) += 1;
    RecordShowMeAnswer(doc, right, playing);
    CShowMeMessageDlg dialog(owner);
    dialog.m_nMark = right ? CShowMeMessageDlg::MarkRight : CShowMeMessageDlg::MarkWrong;
    dialog.m_strMessage = QString::fromLatin1(right ? bravo : kSorry);
    return dialog.DoModal() == IDOK;
}

bool IsRightAnswer(const CVoldrimDoc& doc)
{
    return doc.m_nCurrentPitch == doc.m_nQuestionPitch;
}

}  // namespace

ShowMeAnswer JudgeFingerboardAnswer(CVoldrimDoc& doc, CView* board, const PracticePlaying& playing)
{
    // While the dialog is open the staff repaints; it must not write the
    // answer into a column.
    doc.m_bStaffNoteShown = true;
    const bool right = IsRightAnswer(doc);
    const bool goOn = CountAndAskToGoOn(doc, right, "Bravo! Another question?", board, playing);
    if (right && goOn) {
        AskQuestion(doc);
        doc.UpdateAllViews(board, HintRepaintAll);
    } else if (goOn) {
        // The same question again: the red stop of the wrong answer goes.
        doc.m_questionShownAt = std::chrono::steady_clock::now();
        doc.UpdateAllViews(nullptr, HintTryAgain);
    } else {
        EndQuiz(doc);
        doc.UpdateAllViews(nullptr, HintRepaintAll);
    }
    doc.ClearHeldKeys();
    return {right, goOn};
}

void JudgeStaffAnswer(CVoldrimDoc& doc, CView* staff)
{
    const bool right = IsRightAnswer(doc);
    const bool goOn = CountAndAskToGoOn(doc, right, "Bravo!  Another question?", staff);
    LPARAM hint = HintNoteOrTempo;
    if (right && goOn) {
        AskQuestion(doc);
        // The fingerboard keeps its Show Me button hidden.
        hint = HintTryAgain;
    } else if (goOn) {
        // The same question again over an empty staff: the wrong note goes.
        doc.m_questionShownAt = std::chrono::steady_clock::now();
        doc.m_bStaffNoteShown = false;
        doc.ClearMelody();
        doc.ClearHeldKeys();
        return;
    } else {
        EndQuiz(doc);
        if (right)
            hint = HintRepaintAll;
    }
    doc.ClearHeldKeys();
    doc.UpdateAllViews(staff, hint);
}
