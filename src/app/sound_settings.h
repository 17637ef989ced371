// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tempo and MIDI from the Sound menu: the dialogs run over the main window,
// and what they end with goes to the document.
class CVoldrimDoc;
class QWidget;

// Does nothing while a melody plays.
void RunTempoDialog(CVoldrimDoc& doc, QWidget* parent);
void RunMidiDialog(CVoldrimDoc& doc, QWidget* parent);
