// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The staff's signs, drawn into the painting's or a window's device context.
#include "notation/staff_glyphs.h"
#include "views/staff/staff_view.h"

void CStaffView::DrawBassClef(CDC& dc, int x, int y)
{
    staffglyph::BassClef(dc, CPoint(x, y), &m_brBlack);
}

void CStaffView::DrawSharp(CDC& dc, int x, int y)
{
    staffglyph::Sharp(dc, CPoint(x, y), &m_brBlack);
}

void CStaffView::DrawFlat(CDC& dc, int x, int y)
{
    staffglyph::Flat(dc, CPoint(x, y));
}

void CStaffView::DrawNatural(CDC& dc, int x, int y)
{
    staffglyph::Natural(dc, CPoint(x, y), &m_brBlack);
}
