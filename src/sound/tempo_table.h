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

// Step whose beat length equals beatMs; a length that is no step gives the
// slowest step, 19.
int TempoPositionOf(int beatMs);
