// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDC on images with a device-pixel ratio (a view's backing image on a
// HiDPI screen): coordinates stay logical, every unit becomes ratio x ratio
// image pixels, curves are drawn at the image's own pixels.
#include "framework/dc.h"
#include "framework/dc_test_util.h"

#include <functional>

using namespace dctest;

namespace {

constexpr int kSide = 100; // logical size of the test images

QImage WhiteImage(double ratio)
{
    const int pixels = int(std::ceil(kSide * ratio));
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

QImage Drawn(double ratio, const std::function<void(CDC&)>& draw)
{
    QImage image = WhiteImage(ratio);
    CDC dc(&image);
    draw(dc);
    dc.ReleasePainter();
    return image;
}

// The ratio-1 picture with every pixel made 2 x 2.
QImage Enlarged(const QImage& image)
{
    QImage big = image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    big.setDevicePixelRatio(2);
    return big;
}

QRect InkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelOf(image, x, y) != kWhite)
                box |= QRect(x, y, 1, 1);
    return box;
}

struct Drawing {
    const char* name;
    std::function<void(CDC&)> draw;
};

void WithPenAndBrush(CDC& dc, int penWidth, const std::function<void(CDC&)>& draw)
{
    CPen pen(PS_SOLID, penWidth, kBlack);
    CBrush brush(kGreen);
    dc.SelectObject(&pen);
    dc.SelectObject(&brush);
    draw(dc);
}

} // namespace

TEST(DcPixelRatio, StraightDrawingIsTheRatioOnePictureEnlarged)
{
    const Drawing drawings[] = {
        {"strokes leave out their end points, slanted ones too",
         [](CDC& dc) {
             const CPoint stroke[] = {{10, 10}, {30, 10}, {30, 40}, {50, 47}, {20, 90}};
             dc.Polyline(stroke, 5);
         }},
        {"dashed opaque line",
         [](CDC& dc) {
             CPen dash(PS_DASH, 1, kBlue);
             dc.SelectObject(&dash);
             dc.SetBkColor(kRed);
             dc.MoveTo(5, 60);
             dc.LineTo(95, 60);
         }},
        {"rectangles with thin and wide pens",
         [](CDC& dc) {
             WithPenAndBrush(dc, 1, [](CDC& d) { d.Rectangle(50, 10, 80, 30); });
             WithPenAndBrush(dc, 3, [](CDC& d) { d.Rectangle(40, 50, 90, 80); });
         }},
        {"fills, hatches and pixels",
         [](CDC& dc) {
             CBrush hatch;
             hatch.CreateHatchBrush(HS_DIAGCROSS, kRed);
             dc.FillRect(CRect(3, 3, 40, 33), &hatch);
             dc.FillSolidRect(CRect(60, 60, 61, 90), kBlue);
             dc.SetPixel(90, 5, kGreen);
         }},
        {"a wide line",
         [](CDC& dc) {
             WithPenAndBrush(dc, 4, [](CDC& d) {
                 d.MoveTo(10, 70);
                 d.LineTo(80, 70);
             });
         }},
    };
    for (const Drawing& d : drawings) {
        SCOPED_TRACE(d.name);
        const QImage expected = Enlarged(Drawn(1, d.draw));
        const QImage actual = Drawn(2, d.draw);
        int differing = 0;
        for (int y = 0; y < actual.height(); ++y)
            for (int x = 0; x < actual.width(); ++x)
                differing += actual.pixel(x, y) != expected.pixel(x, y);
        EXPECT_EQ(differing, 0);
    }
}

TEST(DcPixelRatio, CurvesAndPolygonsAreSharpAtTheImagesPixelsInTheirUnitBox)
{
    const Drawing drawings[] = {
        {"ellipse", [](CDC& dc) { WithPenAndBrush(dc, 1, [](CDC& d) { d.Ellipse(20, 30, 71, 61); }); }},
        {"note head", [](CDC& dc) { WithPenAndBrush(dc, 2, [](CDC& d) { d.Ellipse(20, 30, 40, 44); }); }},
        {"round rectangle",
         [](CDC& dc) { WithPenAndBrush(dc, 1, [](CDC& d) { d.RoundRect(10, 10, 90, 60, 30, 20); }); }},
        {"ellipse without a pen",
         [](CDC& dc) {
             CBrush green(kGreen);
             dc.SelectObject(&green);
             dc.SelectStockObject(NULL_PEN);
             dc.Ellipse(5, 5, 50, 40);
         }},
        {"polygon",
         [](CDC& dc) {
             const CPoint corners[] = {{10, 80}, {50, 10}, {90, 70}};
             WithPenAndBrush(dc, 1, [&corners](CDC& d) { d.Polygon(corners, 3); });
         }},
    };
    for (const Drawing& d : drawings) {
        SCOPED_TRACE(d.name);
        const QImage coarse = Drawn(1, d.draw);
        const QImage fine = Drawn(2, d.draw);
        const QRect box = InkBox(coarse);
        EXPECT_EQ(InkBox(fine), QRect(box.topLeft() * 2, box.size() * 2)) << "the same units";
        EXPECT_EQ(ColoursIn(fine, fine.rect()), ColoursIn(coarse, coarse.rect())) << "no grey, no blend";
        EXPECT_TRUE(FinerThanBlocks(fine, fine.rect(), 2));
    }
}

TEST(DcPixelRatio, AFractionalRatioRoundsUnitsToWholePixels)
{
    QImage image = WhiteImage(1.5);
    CDC dc(&image);
    for (int x = 0; x < 50; ++x)
        dc.FillSolidRect(CRect(x, 0, x + 1, 10), x % 2 ? kRed : kBlue);
    dc.MoveTo(0, 20);
    dc.LineTo(100, 20);
    CBrush green(kGreen);
    dc.SelectObject(&green);
    dc.Ellipse(10, 30, 60, 70);
    const CPoint corners[] = {{60, 40}, {95, 50}, {70, 90}};
    dc.Polygon(corners, 3);
    dc.ReleasePainter();
    // Neighbouring units share no pixel and leave none out.
    for (int x = 0; x < 75; ++x) {
        const COLORREF c = PixelOf(image, x, 0);
        EXPECT_TRUE(c == kRed || c == kBlue) << x;
        EXPECT_EQ(PixelOf(image, x, 14), c) << x;
    }
    // The line's unit [20, 21) covers the pixels from 20 x 1.5 to 21 x 1.5, rounded.
    EXPECT_EQ(PixelOf(image, 40, 29), kWhite);
    EXPECT_EQ(PixelOf(image, 40, 30), kBlack);
    EXPECT_EQ(PixelOf(image, 40, 31), kBlack);
    EXPECT_EQ(PixelOf(image, 40, 32), kWhite);
    EXPECT_EQ(ColoursIn(image, image.rect()), std::set<COLORREF>({kWhite, kBlack, kRed, kBlue, kGreen}));
}
