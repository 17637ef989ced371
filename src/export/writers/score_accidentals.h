// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signs a score prints before its notes. Every note of an exported
// melody stands in a measure of its own behind a barline no one sees: a
// notation program starts each measure afresh from the key signature, but
// a musician reads the line as the staff shows it, where a sign holds on
// its row until another sign on that row replaces it.
#include "export/score_notes.h"
#include "model/staff_position_table.h"

#include <array>
#include <optional>

struct ScoreAccidental {
    int alter = 0; // +1 sharp, -1 flat, 0 natural
    // The key signature alone gives the note: a program that starts the
    // measure afresh would leave the sign out, though the musician needs it.
    bool reminder = false;
};

// Walks the notes of a melody in order. A note gets a sign when the key
// signature does not give its pitch, or when the last sign on its row
// (past rests and notes on other rows) said otherwise: in the chromatic
// key that is every sharp and flat and the natural after an altered note
// on the same row, just where the staff draws them.
class ScoreAccidentals {
public:
    // The sign before the next note; none when it reads right without one.
    std::optional<ScoreAccidental> Next(const StaffSpelling& spelling);
    // Behind a barline of a meter every row reads from the key signature
    // again.
    void StartMeasure() { m_shown.fill(std::nullopt); }

private:
    // What each row last showed; none while the key signature speaks for it.
    std::array<std::optional<int>, kStaffPositionsPerColumn> m_shown{};
};
