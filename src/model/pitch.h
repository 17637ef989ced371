// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pitches are MIDI note numbers (60 is middle C); the same number is sent to
// the MIDI output, with no transposition anywhere.

constexpr int kNoPitch = 0;             // empty column, no chosen stop, no question
constexpr int kRestPitch = 999;         // a rest in a staff column, a melody record or to the MIDI device
constexpr int kLowestStopPitch = 36;    // open C string
constexpr int kHighestStopPitch = 63;   // A string, extended fourth finger
constexpr int kHighestStaffPitch = 64;  // E at the top of a staff column
