// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the files of the device context (dc*.cpp); private to
// the framework, not part of CDC's interface.
#include "framework/dc.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>

#include <QRect>
#include <QRectF>

#include <cstdint>
#include <vector>

namespace dcraster {

inline QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// a * b / c rounded half away from zero, as MulDiv does.
inline int MulDivRound(long long a, long long b, long long c)
{
    if (c == 0)
        return 0;
    long long n = a * b;
    if (c < 0) {
        n = -n;
        c = -c;
    }
    return n >= 0 ? int((n + c / 2) / c) : -int((-n + c / 2) / c);
}

// An edge in device units on an image of `ratio` pixels a unit: rounded as
// the painter rounds the rectangles it fills, so that everything drawn
// meets on the same image pixels.
inline int ImageEdge(double unitEdge, double ratio)
{
    return qRound(unitEdge * ratio);
}

// A rectangle of image pixels in device units, for the painter, which maps
// units to image pixels.
inline QRectF UnitsOfImageRect(const QRect& rc, double ratio)
{
    return QRectF(rc.x() / ratio, rc.y() / ratio, rc.width() / ratio, rc.height() / ratio);
}

// The pixels inside a polygon of device points, as one-pixel-high rows;
// winding or alternate (even-odd) filling. The points are in 1/unit pixels.
std::vector<QRect> PolygonInsideRows(const std::vector<CPoint>& points, bool winding, int unit = 1);

} // namespace dcraster

// ---------------------------------------------------------------------------
// The font as realised on the device.

struct CDC::DeviceFont {
    std::uint64_t id = 0;
    int deviceHeight = 0;
    QPaintDevice* device = nullptr;
    QFont font;
    QFontMetrics metrics{QFont()};
    int ascent = 0;
    int height = 0;
};
