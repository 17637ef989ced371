// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the device-context tests: a white test image, pixel access,
// tables of expected pixels and a guard that fails the test on any QPainter
// warning.
#include "framework/dc.h"
#include "support/pixels.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

namespace dctest {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr CRect kWholeImage(0, 0, 200, 200); // the fixture's image

inline QStringList& PainterMessages()
{
    static QStringList messages;
    return messages;
}

inline void PainterMessageHandler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (message.contains(QLatin1String("QPainter")) || message.contains(QLatin1String("paint device")))
        PainterMessages() << message;
}

// Pixels of one colour: a single pixel, or every pixel of a row, a column or
// a diagonal from `from` to `to`, both ends included.
struct PixelsAre {
    PixelsAre(int x, int y, COLORREF c) : from(x, y), to(x, y), color(c) {}
    PixelsAre(CPoint first, CPoint last, COLORREF c) : from(first), to(last), color(c) {}

    CPoint from;
    CPoint to;
    COLORREF color;
};

// How many pixels of [area) have the colour, or any colour but it when
// `other` is set.
struct CountIs { COLORREF color; CRect area; int count; bool other = false; };
constexpr bool kOtherColours = true;

inline int Sign(int v)
{
    return (v > 0) - (v < 0);
}

// Checks the pixels as pixelAt(x, y) reads them.
inline void ExpectPixelsOf(const std::function<COLORREF(int, int)>& pixelAt, const std::vector<PixelsAre>& expected)
{
    for (const PixelsAre& run : expected) {
        const int dx = run.to.x - run.from.x;
        const int dy = run.to.y - run.from.y;
        if (dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy))
            ADD_FAILURE() << "not a row, a column or a diagonal: " << dx << "," << dy;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        for (int i = 0; i <= steps; ++i) {
            const int x = run.from.x + i * Sign(dx);
            const int y = run.from.y + i * Sign(dy);
            EXPECT_EQ(pixelAt(x, y), run.color) << "at " << x << "," << y;
        }
    }
}

inline void ExpectPixels(const QImage& image, const std::vector<PixelsAre>& expected)
{
    ExpectPixelsOf([&image](int x, int y) { return PixelOf(image, x, y); }, expected);
}

inline void ExpectCounts(const QImage& image, const std::vector<CountIs>& expected)
{
    for (const CountIs& c : expected) {
        const CRect& a = c.area;
        const int n = CountPixels(image, c.color, a.left, a.top, a.right, a.bottom);
        EXPECT_EQ(c.other ? a.Width() * a.Height() - n : n, c.count)
            << (c.other ? "not " : "") << std::hex << c.color << std::dec << " in " << a.left << "," << a.top << ","
            << a.right << "," << a.bottom;
    }
}

// A drawing on a fresh image of one colour and what it leaves there.
struct Scene {
    const char* name;
    std::function<void(CDC&)> draw;
    std::vector<PixelsAre> pixels;
    std::vector<CountIs> counts = {};
    COLORREF background = kWhite;
};

// Base fixture: a white 200 x 200 image and a message handler that collects
// QPainter warnings; any such warning fails the test.
class DcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PainterMessages().clear();
        m_previous = qInstallMessageHandler(PainterMessageHandler);
        image = QImage(200, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    void TearDown() override
    {
        qInstallMessageHandler(m_previous);
        EXPECT_TRUE(PainterMessages().isEmpty()) << PainterMessages().join(QLatin1Char('\n')).toStdString();
    }

    COLORREF Px(int x, int y) const { return PixelOf(image, x, y); }
    // Counts the pixels of one colour in [l, r) x [t, b).
    int Count(COLORREF color, int l, int t, int r, int b) const { return CountPixels(image, color, l, t, r, b); }
    int CountNot(COLORREF color, int l, int t, int r, int b) const
    {
        return (r - l) * (b - t) - Count(color, l, t, r, b);
    }
    void ExpectPixels(const std::vector<PixelsAre>& expected) const { dctest::ExpectPixels(image, expected); }
    void ExpectCounts(const std::vector<CountIs>& expected) const { dctest::ExpectCounts(image, expected); }

    // Draws each scene on the image with a device context of its own.
    void CheckScenes(const std::vector<Scene>& scenes)
    {
        for (const Scene& scene : scenes) {
            SCOPED_TRACE(scene.name);
            image.fill(QColor(GetRValue(scene.background), GetGValue(scene.background), GetBValue(scene.background)));
            CDC dc(&image);
            scene.draw(dc);
            dc.ReleasePainter();
            ExpectPixels(scene.pixels);
            ExpectCounts(scene.counts);
        }
    }

    QImage image;

private:
    QtMessageHandler m_previous = nullptr;
};

} // namespace dctest
