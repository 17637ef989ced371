// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practice history as CSV for a teacher: a header line, then one
// answer a line, oldest first, with the notes named as the staff names
// them.
#include "framework/types.h"

class QTextStream;

// Writes the history file's answers to the CSV file. Empty when done,
// otherwise the message that says what went wrong.
CString ExportPracticeHistory(const QString& historyPath, const CString& csvPath);

// voldrim --practice-csv FILE: the history of the user's data folder. On
// failure writes one line to errors and returns false.
bool WritePracticeCsvFile(const CString& csvPath, QTextStream& errors);
