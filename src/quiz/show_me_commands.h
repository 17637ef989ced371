// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Show Me commands of the menus: the options, which end any question
// whatever the student chooses, and the scores.
class CVoldrimDoc;
class QWidget;

// "Show Me...": sets which questions are asked; nothing while a melody plays.
void RunShowMeOptions(CVoldrimDoc& doc, QWidget* owner);
// "Show Me Scores...": the scores, which the student may set to zero.
void RunShowMeScores(CVoldrimDoc& doc, QWidget* owner);
