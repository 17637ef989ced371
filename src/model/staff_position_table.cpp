// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/staff_position_table.h"

#include "model/key.h"
#include "model/pitch.h"

#include <cstring>

namespace {

const StaffPositionEntry kColumn[kStaffPositionsPerColumn] = {
    {64, "E", 63, "Eb"},
    {62, "D", 0, "Db"},
    {60, "C", 61, "C#"},
    {59, "B", 58, "Bb"},
    {57, "A", 56, "Ab"},
    {55, "G", 0, "G#"},
    {53, "F", 54, "F#"},
    {52, "E", 51, "Eb"},
    {50, "D", 0, "Db"},
    {48, "C", 49, "C#"},
    {47, "B", 46, "Bb"},
    {45, "A", 44, "Ab"},
    {43, "G", 0, "G#"},
    {41, "F", 42, "F#"},
    {40, "E", 39, "Eb"},
    {38, "D", 0, "Db"},
    {36, "C", 37, "C#"},
};

const StaffPositionEntry kOutside = {kNoPitch, "", kNoPitch, ""};

bool IsNaturalPitch(int pitch)
{
    for (const StaffPositionEntry& entry : kColumn) {
        if (entry.naturalPitch == pitch)
            return true;
    }
    return false;
}

}  // namespace

const StaffPositionEntry& StaffPositionEntryAt(int index)
{
    if (index < 0 || index >= kStaffPositionsPerColumn)
        return kOutside;
    return kColumn[index];
}

int StaffRowOfPitch(int pitch)
{
    // An altered pitch of 0 is a position without one, not a pitch.
    if (pitch == kNoPitch)
        return kNoStaffRow;
    for (int row = 0; row < kStaffPositionsPerColumn; ++row) {
        if (kColumn[row].naturalPitch == pitch || kColumn[row].alteredPitch == pitch)
            return row;
    }
    return kNoStaffRow;
}

bool StaffShowsPitch(int pitch)
{
    return pitch == kRestPitch || StaffRowOfPitch(pitch) != kNoStaffRow;
}

int StaffPitchForKey(int index, Key key)
{
    const StaffPositionEntry& entry = StaffPositionEntryAt(index);
    auto is = [&entry](const char* name) { return std::strcmp(entry.naturalName, name) == 0; };

    bool altered = false;
    switch (key) {
    case KeyG: altered = is("F"); break;
    case KeyD: altered = is("F") || is("C"); break;
    case KeyF: altered = is("B"); break;
    case KeyBb: altered = is("B") || is("E"); break;
    default: break;  // C major and chromatic entry write naturals
    }
    return altered ? entry.alteredPitch : entry.naturalPitch;
}

CString StaffNameForPitch(int index, int pitch)
{
    const StaffPositionEntry& entry = StaffPositionEntryAt(index);
    return CString::fromLatin1(IsNaturalPitch(pitch) ? entry.naturalName : entry.alteredName);
}
