#pragma once
// Helpers shared by the files of the device context (dc*.cpp); private to
// the framework, not part of CDC's interface.
#include "framework/dc.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>

#include <QRect>

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

// The pixels inside a polygon of device points, as one-pixel-high rows;
// winding or alternate (even-odd) filling.
std::vector<QRect> PolygonInsideRows(const std::vector<CPoint>& points, bool winding);

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
