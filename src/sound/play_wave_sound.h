// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up and good-bye sounds: plays a wave file, synchronously, and
// says nothing when it cannot.
#include "framework/types.h"

#include <chrono>

// Where the wave file of that name is: in the current directory when it is
// there; otherwise in the data folder installed with the program, found
// from the program's own folder so that a moved installation still finds
// it; when neither has it, the current directory's path, which plays nothing.
CString WaveSoundPath(const CString& name, const CString& programDir);

// Plays the wave file of that name, found as WaveSoundPath says.
void PlayWaveSound(const CString& name);
// When the last wave sound ended (the clock's epoch before any): a
// listener must not take the program's own sound for the student's.
std::chrono::steady_clock::time_point LastWaveSoundEnded();
