// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/staff_glyphs.h"

#include <array>

namespace staffglyph {
namespace {

struct Segment {
    int x1, y1, x2, y2;
};

void DrawSegments(CDC& dc, GlyphOrigin at, const Segment* segments, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const Segment& s = segments[i];
        dc.MoveTo(at.Map(s.x1, s.y1));
        dc.LineTo(at.Map(s.x2, s.y2));
    }
}

template <size_t N>
std::array<CPoint, N> Translated(const std::array<CPoint, N>& shape, GlyphOrigin at)
{
    std::array<CPoint, N> points;
    for (size_t i = 0; i < N; ++i)
        points[i] = at.Map(shape[i].x, shape[i].y);
    return points;
}

template <size_t N>
void FillShape(CDC& dc, GlyphOrigin at, const std::array<CPoint, N>& shape, CBrush* fill)
{
    const std::array<CPoint, N> points = Translated(shape, at);
    CBrush* old = dc.SelectObject(fill);
    dc.Polygon(points.data(), int(N));
    dc.SelectObject(old);
}

void FillEllipse(CDC& dc, CPoint at, const CRect& rc, CBrush* fill)
{
    CBrush* old = dc.SelectObject(fill);
    dc.Ellipse(at.x + rc.left, at.y + rc.top, at.x + rc.right, at.y + rc.bottom);
    dc.SelectObject(old);
}

// The clef's curl, drawn stroke by stroke.
constexpr Segment kBassClef[] = {
    {1, 43, 16, 28},  {2, 43, 17, 28},  {4, 42, 18, 28},  {7, 40, 19, 28},  {12, 36, 20, 20}, {19, 0, 19, 30},
    {20, 0, 20, 30},  {21, 0, 21, 28},  {22, 1, 22, 27},  {23, 2, 23, 25},  {24, 4, 24, 24},  {25, 5, 25, 22},
    {26, 6, 26, 20},  {6, 0, 19, 0},    {5, 1, 19, 1},    {4, 2, 19, 2},    {3, 3, 7, 3},     {2, 4, 5, 4},
    {1, 5, 4, 5},     {1, 6, 3, 6},     {0, 7, 3, 7},     {0, 8, 2, 8},     {0, 9, 2, 9},     {0, 10, 2, 10},
    {0, 11, 2, 11},   {0, 11, 0, 14},   {15, 3, 19, 3},   {17, 4, 19, 4},   {19, 5, 19, 5},   {18, 22, 18, 28},
    {17, 24, 17, 28}, {16, 26, 16, 28}, {15, 28, 21, 28},
};

constexpr Segment kSharpStems[] = {{8, 4, 8, 44}, {13, 0, 13, 40}};
constexpr std::array<CPoint, 4> kSharpUpperBar = {CPoint(4, 14), CPoint(4, 18), CPoint(17, 11), CPoint(17, 7)};
constexpr std::array<CPoint, 4> kSharpLowerBar = {CPoint(4, 29), CPoint(4, 33), CPoint(17, 25), CPoint(17, 22)};

constexpr Segment kFlat[] = {
    {0, 0, 0, 35},   {1, 20, 1, 22},  {1, 32, 1, 34},  {2, 19, 2, 21}, {2, 31, 2, 34},
    {3, 18, 3, 21},  {3, 30, 3, 32},  {4, 18, 4, 22},  {4, 28, 4, 31}, {5, 18, 5, 30},
    {6, 18, 6, 30},  {7, 18, 7, 29},  {8, 18, 8, 28},  {9, 20, 9, 27},
};

constexpr Segment kNaturalStems[] = {{6, 0, 6, 33}, {13, 7, 13, 44}};
constexpr std::array<CPoint, 4> kNaturalUpperBar = {CPoint(6, 14), CPoint(6, 18), CPoint(12, 11), CPoint(12, 7)};
constexpr std::array<CPoint, 4> kNaturalLowerBar = {CPoint(6, 29), CPoint(6, 33), CPoint(12, 25), CPoint(12, 22)};

constexpr std::array<CPoint, 15> kRest = {CPoint(2, 0),  CPoint(11, 11), CPoint(6, 21), CPoint(13, 30), CPoint(11, 30),
                                          CPoint(8, 32), CPoint(8, 35),  CPoint(10, 39), CPoint(6, 37), CPoint(4, 36),
                                          CPoint(2, 31), CPoint(3, 28),  CPoint(7, 25), CPoint(0, 18),  CPoint(5, 5)};

// The flag of a stem that hangs down from the head's left side, relative to
// the head's top-left corner; an upward stem mirrors it vertically from the
// head's bottom-right corner.
constexpr std::array<CPoint, 10> kFlag = {CPoint(0, 40), CPoint(1, 37), CPoint(5, 33), CPoint(7, 28), CPoint(9, 24),
                                          CPoint(6, 19), CPoint(8, 23), CPoint(6, 28), CPoint(5, 31), CPoint(0, 33)};

} // namespace

void BassClef(CDC& dc, CPoint at, CBrush* fill)
{
    DrawSegments(dc, at, kBassClef, std::size(kBassClef));
    FillEllipse(dc, at, CRect(1, 9, 12, 20), fill);
    FillEllipse(dc, at, CRect(30, 6, 37, 12), fill);
    FillEllipse(dc, at, CRect(30, 19, 37, 25), fill);
}

void Sharp(CDC& dc, CPoint at, CBrush* fill)
{
    FillShape(dc, at, kSharpUpperBar, fill);
    FillShape(dc, at, kSharpLowerBar, fill);
    DrawSegments(dc, at, kSharpStems, std::size(kSharpStems));
}

void Flat(CDC& dc, CPoint at)
{
    DrawSegments(dc, at, kFlat, std::size(kFlat));
}

void Natural(CDC& dc, GlyphOrigin at, CBrush* fill)
{
    FillShape(dc, at, kNaturalUpperBar, fill);
    FillShape(dc, at, kNaturalLowerBar, fill);
    DrawSegments(dc, at, kNaturalStems, std::size(kNaturalStems));
}

void Rest(CDC& dc, GlyphOrigin at)
{
    const auto points = Translated(kRest, at);
    dc.Polygon(points.data(), int(points.size()));
}

void EighthFlag(CDC& dc, const CRect& head, bool stemDown)
{
    std::array<CPoint, kFlag.size()> points;
    for (size_t i = 0; i < kFlag.size(); ++i) {
        points[i] = stemDown ? CPoint(head.left + kFlag[i].x, head.top + kFlag[i].y)
                             : CPoint(head.right + kFlag[i].x, head.bottom - kFlag[i].y);
    }
    dc.Polygon(points.data(), int(points.size()));
}

} // namespace staffglyph
