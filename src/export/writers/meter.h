// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time signature a melody may be exported in. A melody has none of its
// own; with none the score is written as the staff shows it, a note a bar.
#include "framework/types.h"

#include <optional>
#include <vector>

struct Meter {
    int beats = 0;    // 0: no meter
    int beatType = 0; // the note that is one beat: 4 a quarter, 8 an eighth

    bool IsNone() const { return beats == 0; }
    // A bar and a beam group in eighth notes, the playback tick; a compound
    // meter (6/8) beams by the dotted quarter.
    int BarTicks() const;
    int BeamTicks() const;
    bool operator==(const Meter& other) const { return beats == other.beats && beatType == other.beatType; }
};

// What the user may choose from, none first: 2/4, 3/4, 4/4, 6/8.
const std::vector<Meter>& ExportMeters();

// "3/4" and the like; "None" for no meter.
CString MeterText(const Meter& meter);
// The meter of the choices that the text names ("3/4"); none for any
// other text.
std::optional<Meter> MeterOfText(const CString& text);
