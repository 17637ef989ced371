// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes of a melody as the staff shows and plays them: what every
// export writes, so that the files sound and read as the program does.
#include "model/key.h"
#include "model/pitch.h"

#include <optional>
#include <vector>

struct ExportNote {
    int pitch = kRestPitch; // kRestPitch for a rest
    int ticks = 0;          // playback ticks, eighth notes each

    bool IsRest() const { return pitch == kRestPitch; }
};

// A pitch as the staff writes it in a key: on its row's letter, with the
// row's sharp or flat.
struct StaffSpelling {
    int row = 0;      // the staff row, as StaffRowOfPitch counts them
    char step = 'C';  // the row's letter, 'A' to 'G'
    int alter = 0;    // +1 sharp, -1 flat, 0 natural
    int octave = 4;   // of the letter; middle C is C4
    int keyAlter = 0; // what the key signature does to that letter
};

// None for a pitch that no staff row writes.
std::optional<StaffSpelling> StaffSpellingOf(int pitch, Key key);

// The key signature as a count of sharps (above 0) or flats (below 0);
// none for the chromatic key, which has no key signature.
std::optional<int> KeyFifths(Key key);
