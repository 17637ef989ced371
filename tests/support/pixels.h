// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours read from a rendered image, as the drawing code names them.
#include "framework/types.h"

#include <QImage>
#include <QRect>

#include <set>

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

// The colours of the pixels in a rectangle of the image.
inline std::set<COLORREF> ColoursIn(const QImage& image, const QRect& pixels)
{
    std::set<COLORREF> colours;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            colours.insert(PixelOf(image, x, y));
    return colours;
}

// Whether anything in the rectangle is drawn finer than blocks of ratio x
// ratio pixels (a logical pixel on an image of that device-pixel ratio):
// some block holds more than one colour.
inline bool FinerThanBlocks(const QImage& image, const QRect& pixels, int ratio)
{
    for (int y = pixels.top(); y + ratio - 1 <= pixels.bottom(); y += ratio)
        for (int x = pixels.left(); x + ratio - 1 <= pixels.right(); x += ratio)
            if (ColoursIn(image, QRect(x, y, ratio, ratio)).size() > 1)
                return true;
    return false;
}

// The smallest rectangle holding every pixel that is not white, faint
// edges of strokes too; an empty rectangle for a blank image.
inline QRect InkBounds(const QImage& image)
{
    constexpr int kWhite = 255;
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < kWhite)
                ink |= QRect(x, y, 1, 1);
    return ink;
}
