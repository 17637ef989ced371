// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asking Show Me questions: which note, answered on which side, and the
// quiz's start and end. The questions are chosen from the clock in whole
// seconds, so two questions asked within one second are the same; weak
// notes come from the practice log's Leitner boxes instead.
class CVoldrimDoc;

// Chooses the side of the answer when the student asked for questions
// about both, then the note.
void NewQuestion(CVoldrimDoc& doc);
// Chooses the note of the key's question table (by its weakness when weak
// notes are practised) and the question's text;
// the staff is to show the note of a question answered on the fingerboard.
void ChooseQuestionNote(CVoldrimDoc& doc);

// The Show Me button: nothing while a melody plays; refused, with the
// reason, when the staff is not beside the fingerboard or the key is
// chromatic; otherwise the melody is emptied and a question runs. True
// when a question runs.
bool StartShowMe(CVoldrimDoc& doc, bool besideStaff);
// A new question over an empty staff.
void AskQuestion(CVoldrimDoc& doc);
// No question runs any more, and the melody is emptied.
void EndQuiz(CVoldrimDoc& doc);
