// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A line of notes taken to what the staff writes: its values, its quarter
// rests, its rows from C2 to E4 and its six keys; and the record of every
// change that took, so that none is made silently.
#include "import/score_line.h"
#include "model/key.h"
#include "model/note_value.h"

#include <map>
#include <utility>

// Lengths that a summary names ("sixteenth"), by their index in its
// table; kOtherLength for the rest.
constexpr int kOtherLength = -1;

struct ImportReport {
    int notes = 0;
    int rests = 0;
    // Notes whose length became the nearest value: count by (length named,
    // value).
    std::map<std::pair<int, NoteValue>, int> noteLengths;
    // Silences of a length that is no whole number of quarters: count by
    // (length named, quarter rests written).
    std::map<std::pair<int, int>, int> restLengths;
    // Silences shorter than an eighth, given to the note before them (not
    // counting those too short to notice).
    int silencesJoined = 0;
    // Notes moved into the staff: count by octaves, up above 0, down below.
    std::map<int, int> octaveMoves;
    LeftOutNotes leftOut;
    int offStaff = 0; // notes no octave brings onto the staff
    bool titleCut = false;
    bool composerCut = false;
    // The tempo the file gives and the step taken, in beats a minute, when
    // they differ; set by whoever chooses the step.
    std::optional<std::pair<int, int>> tempo;
};

struct ImportedMelody {
    Key key = KeyC;
    std::optional<double> quarterBpm;
    QString title;
    QString composer;
    std::vector<std::pair<NoteValue, int>> notes; // (value, pitch) as melody records
    ImportReport report;
};

// Throws CImportError when no note is left, or more than mostNotes notes
// and rests would be.
ImportedMelody FitToStaff(const ScoreLine& line, std::size_t mostNotes);

// The key a key signature of that many sharps (above 0) or flats picks.
Key KeyOfFifths(std::optional<int> fifths);

// The index of a length in quarter notes in the table of named lengths,
// kOtherLength for one it does not name; and its name.
int NamedLengthIndex(double quarters);
struct LengthName {
    const char* singular;
    const char* plural;
};
LengthName NamedLength(int index);
