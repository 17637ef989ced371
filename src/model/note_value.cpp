// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/note_value.h"

#include "model/pitch.h"

namespace {
constexpr int kRestTicks = 2;
}

NoteValue NoteValueFromHeldKeysNoRest(const HeldKeys& keys)
{
    if (keys.h) return NoteHalf;
    if (keys.w) return NoteWhole;
    if (keys.t) return NoteDottedHalf;
    if (keys.e) return NoteEighth;
    if (keys.d) return NoteDottedQuarter;
    return NoteQuarter;
}

NoteValue NoteValueFromHeldKeys(const HeldKeys& keys)
{
    if (keys.r) return NoteRest;
    return NoteValueFromHeldKeysNoRest(keys);
}

int PlaybackTicks(int pitch, NoteValue value)
{
    return pitch == kRestPitch || value == NoteRest ? kRestTicks : int(value);
}

bool IsNoteValue(int value)
{
    switch (value) {
    case NoteEighth:
    case NoteQuarter:
    case NoteDottedQuarter:
    case NoteHalf:
    case NoteDottedHalf:
    case NoteWhole:
    case NoteRest:
        return true;
    default:
        return false;
    }
}
