// The staff's signs drawn at once on the view's window.
#include "views/staff/staff_glyphs.h"
#include "views/staff/staff_window_dc.h"

void CStaffView::DrawBassClef(int x, int y)
{
    CStaffWindowDC dc(this);
    staffglyph::BassClef(dc, CPoint(x, y), &m_brBlack);
}

void CStaffView::DrawSharp(int x, int y)
{
    CStaffWindowDC dc(this);
    staffglyph::Sharp(dc, CPoint(x, y), &m_brBlack);
}

void CStaffView::DrawFlat(int x, int y)
{
    CStaffWindowDC dc(this);
    staffglyph::Flat(dc, CPoint(x, y));
}

void CStaffView::DrawNatural(int x, int y)
{
    CStaffWindowDC dc(this);
    staffglyph::Natural(dc, CPoint(x, y), &m_brBlack);
}
