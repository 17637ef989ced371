// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the practice history lives, and what can keep the program from it.
#include <QString>

// The history file in the user's data folder ($XDG_DATA_HOME/Voldrim).
QString PracticeHistoryPath();

// Why the history cannot be kept or read.
enum class PracticeTrouble {
    None,
    // The folder or the file cannot be made or written.
    Unwritable,
    // A write failed: the disk is full or failing.
    Full,
    // Another program held the file locked for longer than a write waits.
    Locked,
    // The file is no SQLite database, or a damaged one.
    Damaged,
    // The file was written by a later Voldrim, with a schema this one
    // does not know.
    Newer,
};
