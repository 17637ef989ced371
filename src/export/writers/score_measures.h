// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The melody cut into the bars of a score. With no meter every note is a
// bar of its own, as the staff shows it. With one, a note that crosses a
// barline is split and tied, a length that no single note shows is written
// as tied notes, and the eighths of a beat are beamed together.
#include "export/score_notes.h"
#include "export/meter.h"

#include <vector>

enum class BeamPart { None, Begin, Continue, End };

// One note or rest as the score writes it.
struct ScorePiece {
    int pitch = kRestPitch;
    int ticks = 0; // eighth notes: 1, 2, 3, 4, 6 or 8
    bool tiedFromBefore = false;
    bool tiedToNext = false;
    BeamPart beam = BeamPart::None;

    bool IsRest() const { return pitch == kRestPitch; }
};

struct ScoreMeasure {
    std::vector<ScorePiece> pieces;
    // What the last bar lacks to be full: left empty, so that the melody
    // ends where it ends.
    int unfilledTicks = 0;
};

std::vector<ScoreMeasure> ScoreMeasures(const std::vector<ExportNote>& notes, const Meter& meter);
