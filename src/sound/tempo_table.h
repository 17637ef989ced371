// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twenty tempo steps of the tempo dialog and the names of tempos.
// A tempo is the length of one beat (a quarter note) in milliseconds.
#include "framework/types.h"

constexpr int kTempoSteps = 20;
constexpr int kSlowestTempoPosition = kTempoSteps - 1;

// Italian tempo name for any beat length, also one that is no step.
CString GetTempoName(int beatMs);

// Beat length of a step, position 0 (fastest) to 19 (slowest). Positions
// outside the table are taken as the nearest end.
int TempoMsAt(int position);

// Beats per minute shown for a step; same clamping as TempoMsAt.
int TempoBpmAt(int position);

// Beats per minute of any beat length: the step's own figure, as the tempo
// dialog shows it, for a step; 60000 / beatMs rounded for a length that is
// no step (a melody file may hold any); 0 for a length that is no length.
int TempoBpmOf(int beatMs);

// Step whose beat length equals beatMs; a length that is no step gives the
// slowest step, 19.
int TempoPositionOf(int beatMs);
