// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a reader takes from a file: the one line of the part chosen, with
// times as the file has them, before it is fitted to the staff.
#include "model/pitch.h"

#include <QString>

#include <optional>
#include <vector>

struct LineNote {
    double start = 0;  // in quarter notes from the beginning
    double length = 0; // in quarter notes; ties already joined
    int pitch = kRestPitch; // a MIDI note number, or kRestPitch for a written rest
};

// Notes of the part that the one line does not take.
struct LeftOutNotes {
    int belowTop = 0;   // under the top note of a chord, or of notes sounding at once
    int otherVoices = 0;
    int grace = 0;      // grace and cue notes
    int unpitched = 0;  // percussion
};

struct ScoreLine {
    std::vector<LineNote> notes; // in order of time
    // Where the part ends, when the file says so apart from its notes: a
    // silence before it is a rest like any other.
    std::optional<double> end;
    // The first key signature as sharps (above 0) or flats (below 0);
    // kOtherKeySignature for one of no such count.
    std::optional<int> fifths;
    std::optional<double> quarterBpm; // the first tempo
    QString title;
    QString composer;
    LeftOutNotes leftOut;
};

constexpr int kOtherKeySignature = 1000;
// Times closer than this are the same time: a file's durations in its own
// divisions do not always add up exactly in quarters.
constexpr double kSameTime = 1e-6;

// The parts a score holds, or the tracks and channels of a MIDI file that
// hold notes: a name to show for each, in order.
using PartNames = std::vector<QString>;
