// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Show Me quiz as the document keeps it.

// Whether a question waits for its answer.
enum QuestionState : int { QuestionRunning = 1, NoQuestion = 2 };

// The Show Me option: where the student is asked to find the notes.
enum QuestionMode : int { QuestionModeFingerboard = 1, QuestionModeStaff = 2, QuestionModeBoth = 3 };

// Where a question is answered: on the fingerboard, for a note shown on the
// staff, or on the staff, for a stop lit on the fingerboard.
enum QuestionType : int { AnswerOnFingerboard = 1, AnswerOnStaff = 2 };
