// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signs of the staff, drawn relative to an anchor point: the bass
// clef, sharp, flat and natural, the quarter rest and the eighth flag.
// Lines use the device context's selected pen; filled parts use the
// given brush with that pen.
#include "framework/dc.h"

namespace staffglyph {

// Where a sign is drawn: its anchor, and whether its shape is mirrored top
// to bottom, as on a printed page, where y grows upward.
struct GlyphOrigin {
    GlyphOrigin(CPoint anchor) : at(anchor) {} // implicit: any screen point is one
    static GlyphOrigin Mirrored(CPoint anchor)
    {
        GlyphOrigin origin(anchor);
        origin.ySign = -1;
        return origin;
    }
    CPoint Map(int dx, int dy) const { return CPoint(at.x + dx, at.y + ySign * dy); }

    CPoint at;
    int ySign = 1;
};

void BassClef(CDC& dc, CPoint at, CBrush* fill);
void Sharp(CDC& dc, CPoint at, CBrush* fill);
void Flat(CDC& dc, CPoint at);
void Natural(CDC& dc, GlyphOrigin at, CBrush* fill);
// Filled with the selected pen and brush.
void Rest(CDC& dc, GlyphOrigin at);
// The flag at the free end of an eighth note's stem, filled with the
// selected pen and brush; the stem points down on the left or up on the right.
void EighthFlag(CDC& dc, const CRect& head, bool stemDown);

} // namespace staffglyph
