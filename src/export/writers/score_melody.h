// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the score writers take of a melody: its words, key, tempo and
// sound, and its notes as playback gives them. The writers need neither the
// document nor the sound output, so command-line export and the fuzzers
// carry no window code.
#include "export/score_notes.h"
#include "framework/types.h"
#include "model/key.h"

#include <vector>

struct ScoreMelody {
    CString title;
    CString composer;
    Key key = KeyC;
    int beatMs = 0;         // the length of a beat as playback times it
    int beatsPerMinute = 0; // the figure the tempo dialog shows for it
    int channel = 0;        // the MIDI channel and instrument it sounds with
    int program = 0;
    std::vector<ExportNote> notes;
};
