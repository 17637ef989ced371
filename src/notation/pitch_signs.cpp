// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/pitch_signs.h"

#include "model/staff_position_table.h"

namespace {
constexpr char kSharpSign = '#';
constexpr char kFlatSign = 'b';
// The top position, E, sits on a (ledger) line; lines and spaces alternate.
constexpr int kPositionsPerLine = 2;

// The sign of the altered note that the pitch is, 0 when it is none.
char AlteredSign(int pitch)
{
    const int row = StaffRowOfPitch(pitch);
    if (row == kNoStaffRow)
        return 0;
    const StaffPositionEntry& entry = StaffPositionEntryAt(row);
    if (entry.alteredPitch != pitch)
        return 0;
    return entry.alteredName[1];
}
} // namespace

bool IsWrittenSharp(int pitch)
{
    return AlteredSign(pitch) == kSharpSign;
}

bool IsWrittenFlat(int pitch)
{
    return AlteredSign(pitch) == kFlatSign;
}

bool IsOnStaffLine(int pitch)
{
    const int row = StaffRowOfPitch(pitch);
    return row != kNoStaffRow && row % kPositionsPerLine == 0;
}
