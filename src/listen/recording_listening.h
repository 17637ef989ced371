// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Listening to a recording instead of the microphone: `voldrim --listen
// FILE`. The file (any format libsndfile reads, at any rate, mono or with
// more channels, which are mixed) is brought to the listener's rate and
// heard by the same listener, with the same settings, as the live input.
// One line a note heard: its onset and the moment it was reported, in the
// recording's seconds, its name, its MIDI number and how far it is from
// true, in cents: "1.234 1.301 A2 45 +12".
#include "framework/types.h"
#include "listen/note_tracker.h"

#include <string>
#include <vector>

class QTextStream;

struct Recording {
    // Mono, at the file's own rate.
    std::vector<float> samples;
    int sampleRate = 0;
};

// False, with what is wrong in words, when the file cannot be read.
bool ReadRecording(const CString& path, Recording& recording, CString& why);

// The notes the listener hears over the samples, at its own rate.
std::vector<ListenEvent> ListenTo(const std::vector<float>& samples);

// The line of a note heard: onset, report, name, MIDI number, cents.
CString HeardNoteLine(const ListenEvent& started);

// The command: prints the notes heard to out, and returns 0; or says in
// one line on errors why the file cannot be read, and returns 1.
int ListenToRecording(const CString& path, QTextStream& out, QTextStream& errors);
