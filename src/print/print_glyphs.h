// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signs of a printed page, drawn at their anchor with y growing upward.
// Their polygons and dots are filled with the given brush, selected for the
// sign and restored after it, and outlined with the selected pen.
#include "framework/dc.h"

void PrintBassClef(CDC& dc, CPoint at, CBrush* fill);
void PrintSharp(CDC& dc, CPoint at, CBrush* fill);
void PrintFlat(CDC& dc, CPoint at, CBrush* fill);
void PrintNatural(CDC& dc, CPoint at, CBrush* fill);
// Anchored at the note's x on its staff's top line.
void PrintRest(CDC& dc, CPoint at, CBrush* fill);
// The flag of an eighth note at the free end of its stem: anchored at the
// head's right and lower edge for a stem up, at its left and upper edge for
// a stem down.
void PrintFlag(CDC& dc, CPoint at, bool stemUp, CBrush* fill);
