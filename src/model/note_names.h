// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/types.h"

// The fixed name of a pitch, without octave. Black keys are always named
// "C#", "Eb", "F#", "Ab", "Bb", whatever the key.
CString NoteNameOfPitch(int pitch);
// The fixed name with its octave as cellists count them: the C string is
// C2, middle C is C4.
CString NoteNameWithOctave(int pitch);
