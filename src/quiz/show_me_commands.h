// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Show Me commands of the menus: the options, which end any question
// whatever the student chooses, the scores, and practising weak notes.
class CVoldrimDoc;
class QWidget;

// "Show Me...": sets which questions are asked; nothing while a melody plays.
void RunShowMeOptions(CVoldrimDoc& doc, QWidget* owner);
// "Show Me Scores...": the scores, which the student may set to zero.
void RunShowMeScores(CVoldrimDoc& doc, QWidget* owner);
// "Practise Weak Notes": turned on or off, remembered for the next run;
// a running question ends, since the notes' names show otherwise.
void ToggleWeakNotes(CVoldrimDoc& doc);
// The option as the last run left it; off on a first run.
void LoadWeakNotesOption(CVoldrimDoc& doc);
