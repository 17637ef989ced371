// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/score_notes.h"

#include "model/staff_position_table.h"

namespace {
constexpr int kSemitonesPerOctave = 12;
// MIDI note 0 is in octave -1, so middle C (60) is C4.
constexpr int kOctaveOfNoteZero = -1;
} // namespace

std::optional<StaffSpelling> StaffSpellingOf(int pitch, Key key)
{
    const int row = StaffRowOfPitch(pitch);
    if (row == kNoStaffRow)
        return std::nullopt;
    const StaffPositionEntry& entry = StaffPositionEntryAt(row);
    StaffSpelling spelling;
    spelling.row = row;
    spelling.step = entry.naturalName[0];
    spelling.alter = pitch - entry.naturalPitch;
    spelling.octave = entry.naturalPitch / kSemitonesPerOctave + kOctaveOfNoteZero;
    // The pitch a click on the row enters in the key carries the key's sharp or flat.
    spelling.keyAlter = StaffPitchForKey(row, key) - entry.naturalPitch;
    return spelling;
}

std::optional<int> KeyFifths(Key key)
{
    switch (key) {
    case KeyC: return 0;
    case KeyG: return 1;
    case KeyD: return 2;
    case KeyF: return -1;
    case KeyBb: return -2;
    default: return std::nullopt;
    }
}
