// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Length of a note in eighth notes, or a rest; melody files keep these
// numbers.
enum NoteValue : int {
    NoteEighth = 1,
    NoteQuarter = 2,
    NoteDottedQuarter = 3,
    NoteHalf = 4,
    NoteDottedHalf = 6,
    NoteWhole = 8,
    NoteRest = 999,
};

// Whether a number is one of the values above, as a file must hold.
bool IsNoteValue(int value);

// The letter keys held down while clicking: Rest, Half, Whole, doTted half,
// Eighth, Dotted quarter.
struct HeldKeys {
    bool r = false, h = false, w = false, t = false, e = false, d = false;
};

// Value for a click on the staff: the first held key in the order
// R, H, W, T, E, D wins; no key gives a quarter.
NoteValue NoteValueFromHeldKeys(const HeldKeys& keys);

// Value for a click on the fingerboard: as above, but R is ignored since a
// stop always sounds a note.
NoteValue NoteValueFromHeldKeysNoRest(const HeldKeys& keys);

// How many playback ticks, eighth notes each, an item of the melody
// sounds: its value; a rest lasts a quarter whatever value it carries, and
// so does a note that carries the rest's value.
int PlaybackTicks(int pitch, NoteValue value);
