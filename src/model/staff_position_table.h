// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/types.h"
#include "model/key.h"

// One position of a staff column: a diatonic step with its natural note and
// the note a sharp or flat makes of it. An altered pitch of 0 means the
// position has none (the note is written on the neighbouring position).
struct StaffPositionEntry {
    int naturalPitch;
    const char* naturalName;
    int alteredPitch;
    const char* alteredName;
};

// Index 0 is the top of the column (E, 64), index 16 the bottom (C, 36).
constexpr int kStaffPositionsPerColumn = 17;

// The entry of a position; an index outside the column gives an entry with
// no pitches and empty names.
const StaffPositionEntry& StaffPositionEntryAt(int index);

// What StaffRowOfPitch gives for a pitch that no position writes.
constexpr int kNoStaffRow = -1;

// The position that writes the pitch, as its natural or its altered note,
// the first from the top; kNoStaffRow for a rest, no note or a pitch off
// the staff.
int StaffRowOfPitch(int pitch);

// A rest, or a pitch some position writes: what a column can show.
bool StaffShowsPitch(int pitch);

// The pitch a click on the position enters under a key: the key's sharps
// and flats are applied by the position's natural name. Chromatic entry
// always gives the natural pitch. 0 for an index outside the column.
int StaffPitchForKey(int index, Key key);

// The name the position shows for a pitch it holds: its natural name for
// any natural pitch, otherwise its altered name.
CString StaffNameForPitch(int index, int pitch);
