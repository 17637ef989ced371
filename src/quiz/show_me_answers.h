// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Judging the student's answer to the running question: the note last
// chosen (on the fingerboard) or written (on the staff) is right when it
// is the note asked. The answer is counted and recorded in the practice
// history, the student told, and the quiz goes on or ends as the student
// chooses.
#include "practice/practice_answer.h"

class CView;
class CVoldrimDoc;

struct ShowMeAnswer {
    bool right;
    // The student chose to go on: a new question after a right answer,
    // the same one again after a wrong one.
    bool goOn;
};

// Only a question answered on the fingerboard reaches this. The board is
// the view the stop was clicked on. After a right answer the click goes
// on to hand the current note to the staff; a wrong one ends it. Playing
// says whether the note was clicked or played on the cello.
ShowMeAnswer JudgeFingerboardAnswer(CVoldrimDoc& doc, CView* board, const PracticePlaying& playing = {});
// Only a question answered on the staff reaches this, after the clicked
// note has been written into its column.
void JudgeStaffAnswer(CVoldrimDoc& doc, CView* staff);
