// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_glyphs.h"

#include "notation/staff_glyphs.h"

#include <initializer_list>
#include <iterator>
#include <vector>

namespace {

struct Line {
    CPoint from, to;
};

using staffglyph::GlyphOrigin;

void FillPolygon(CDC& dc, GlyphOrigin origin, const CPoint* shape, size_t count, CBrush* fill)
{
    std::vector<CPoint> points;
    points.reserve(count);
    for (size_t i = 0; i < count; ++i)
        points.push_back(origin.Map(shape[i].x, shape[i].y));
    CBrush* old = dc.SelectObject(fill);
    dc.Polygon(points.data(), int(points.size()));
    dc.SelectObject(old);
}

void FillPolygon(CDC& dc, CPoint at, std::initializer_list<CPoint> shape, CBrush* fill)
{
    FillPolygon(dc, at, shape.begin(), shape.size(), fill);
}

void FillEllipse(CDC& dc, CPoint at, const CRect& box, CBrush* fill)
{
    CBrush* old = dc.SelectObject(fill);
    dc.Ellipse(at.x + box.left, at.y + box.top, at.x + box.right, at.y + box.bottom);
    dc.SelectObject(old);
}

void DrawLines(CDC& dc, CPoint at, std::initializer_list<Line> lines)
{
    for (const Line& line : lines) {
        dc.MoveTo(at.x + line.from.x, at.y + line.from.y);
        dc.LineTo(at.x + line.to.x, at.y + line.to.y);
    }
}

// The screen's natural and rest are the printed ones mirrored: the natural
// two units further right, the rest with its top on the anchor.
constexpr int kScreenNaturalLeft = 2;
constexpr int kScreenRestTop = 20;

// The flag's outline for a stem up (y upward); a stem down mirrors it.
constexpr CPoint kFlag[] = {{0, 60}, {2, 55}, {7, 50}, {10, 45}, {13, 39},
                            {9, 30}, {11, 40}, {8, 46}, {6, 48}, {0, 50}};

} // namespace

void PrintBassClef(CDC& dc, CPoint at, CBrush* fill)
{
    FillPolygon(dc, at,
                {{2, -15}, {1, -13}, {4, -6}, {10, -2}, {15, -1}, {22, -2}, {29, -9}, {31, -15}, {31, -20},
                 {30, -29}, {25, -37}, {18, -45}, {10, -51}, {0, -60}, {0, -58}, {11, -47}, {19, -34}, {21, -32},
                 {22, -26}, {22, -22}, {22, -16}, {21, -8}, {17, -3}, {10, -4}, {6, -7}, {4, -14}},
                fill);
    FillEllipse(dc, at, CRect(1, -13, 12, -24), fill);
    FillEllipse(dc, at, CRect(34, -10, 41, -16), fill);
    FillEllipse(dc, at, CRect(34, -25, 41, -31), fill);
}

void PrintSharp(CDC& dc, CPoint at, CBrush* fill)
{
    FillPolygon(dc, at, {{0, -14}, {0, -18}, {15, -11}, {15, -7}}, fill);
    FillPolygon(dc, at, {{0, -29}, {0, -33}, {15, -25}, {15, -22}}, fill);
    DrawLines(dc, at, {{{4, -4}, {4, -44}}, {{11, 0}, {11, -40}}});
}

void PrintFlat(CDC& dc, CPoint at, CBrush* fill)
{
    FillPolygon(dc, at,
                {{0, -19}, {3, -16}, {8, -16}, {9, -18}, {10, -22}, {9, -25}, {7, -27}, {0, -33}, {0, -30},
                 {3, -28}, {6, -25}, {5, -20}, {0, -21}},
                fill);
    DrawLines(dc, at, {{{0, 2}, {0, -33}}});
}

void PrintNatural(CDC& dc, CPoint at, CBrush* fill)
{
    staffglyph::Natural(dc, staffglyph::GlyphOrigin::Mirrored(CPoint(at.x - kScreenNaturalLeft, at.y)), fill);
}

void PrintRest(CDC& dc, CPoint at, CBrush* fill)
{
    CBrush* old = dc.SelectObject(fill);
    staffglyph::Rest(dc, staffglyph::GlyphOrigin::Mirrored(CPoint(at.x, at.y - kScreenRestTop)));
    dc.SelectObject(old);
}

void PrintFlag(CDC& dc, CPoint at, bool stemUp, CBrush* fill)
{
    FillPolygon(dc, stemUp ? GlyphOrigin(at) : GlyphOrigin::Mirrored(at), kFlag, std::size(kFlag), fill);
}
