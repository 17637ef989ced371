#pragma once
// Colours read from a rendered image, as the drawing code names them.
#include "framework/types.h"

#include <QImage>

inline COLORREF PixelOf(const QImage& image, int x, int y)
{
    const QRgb c = image.pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// Counts the pixels of one colour in [l, r) x [t, b).
inline int CountPixels(const QImage& image, COLORREF color, int l, int t, int r, int b)
{
    int n = 0;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            n += PixelOf(image, x, y) == color;
    return n;
}
