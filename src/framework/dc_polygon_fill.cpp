// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDC: the inside of a polygon, row by row. Corners stand on pixel centres,
// as the outline's do, and a pixel is inside when its centre is; a centre
// on a left or top edge is in, one on a right or bottom edge is out. The
// fill thus never reaches past the outline drawn over it. Corners may lie
// between pixel centres, in steps of 1/unit pixel.
#include "framework/dc_raster.h"

#include <algorithm>
#include <vector>

namespace {

// Where an edge crosses a row: the first pixel at or right of the crossing
// and whether the edge runs down (+1) or up (-1).
struct Crossing {
    int firstPixel;
    int direction;
};

// The smallest integer not below n / d, for d > 0.
long long CeilDiv(long long n, long long d)
{
    return n >= 0 ? (n + d - 1) / d : -((-n) / d);
}

// The crossings of the row at y (in 1/unit pixels), from left to right. An
// edge counts for the rows from its top up to, not including, its bottom.
std::vector<Crossing> CrossingsOfRow(const std::vector<CPoint>& points, long long y, int unit)
{
    std::vector<Crossing> crossings;
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        const CPoint a = points[i];
        const CPoint b = points[(i + 1) % n];
        if (a.y == b.y || y < std::min(a.y, b.y) || y >= std::max(a.y, b.y))
            continue;
        long long dy = b.y - a.y;
        long long numerator = (long long)a.x * dy + (y - a.y) * (b.x - a.x);
        if (dy < 0) {
            dy = -dy;
            numerator = -numerator;
        }
        crossings.push_back({int(CeilDiv(numerator, dy * unit)), b.y > a.y ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& l, const Crossing& r) { return l.firstPixel < r.firstPixel; });
    return crossings;
}

} // namespace

std::vector<QRect> dcraster::PolygonInsideRows(const std::vector<CPoint>& points, bool winding, int unit)
{
    std::vector<QRect> rows;
    if (points.size() < 3)
        return rows;
    const auto [top, bottom] = std::minmax_element(points.begin(), points.end(),
                                                   [](const CPoint& l, const CPoint& r) { return l.y < r.y; });
    for (int y = int(CeilDiv(top->y, unit)); (long long)y * unit < bottom->y; ++y) {
        int count = 0;
        int spanStart = 0;
        for (const Crossing& c : CrossingsOfRow(points, (long long)y * unit, unit)) {
            const bool wasInside = winding ? count != 0 : (count & 1) != 0;
            count += winding ? c.direction : 1;
            const bool isInside = winding ? count != 0 : (count & 1) != 0;
            if (!wasInside && isInside)
                spanStart = c.firstPixel;
            else if (wasInside && !isInside && c.firstPixel > spanStart)
                rows.emplace_back(spanStart, y, c.firstPixel - spanStart, 1);
        }
    }
    return rows;
}
