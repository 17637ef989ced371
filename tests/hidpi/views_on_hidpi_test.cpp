// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Both views on a screen of two device pixels a logical pixel: drawn at the
// screen's pixels and sharp.
#include "fingerboard/fboard_probe.h"
#include "framework/bitmap_button.h"
#include "support/app_harness.h"
#include "support/pixels.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <set>

namespace {

constexpr int kRatio = 2;

// Set before main makes the application, which reads it once.
const bool kScaledScreen = qputenv("QT_SCALE_FACTOR", QByteArray::number(kRatio));
constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kGreen = RGB(0, 255, 0);

// The image pixels of a logical rectangle.
QRect PixelsOf(const CRect& logical)
{
    return QRect(logical.left * kRatio, logical.top * kRatio, logical.Width() * kRatio, logical.Height() * kRatio);
}

class ViewsOnHiDpi : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(kScaledScreen);
        ASSERT_EQ(qGuiApp->devicePixelRatio(), kRatio);
        CAppHarness::ProcessEvents();
    }
    CAppHarness app;
};

TEST_F(ViewsOnHiDpi, StaffLinesAreTwoImagePixelsThickWithoutFringe)
{
    // Down one image column across the staves: every black run is a line of
    // two image pixels, and nothing but black and white is there.
    const QImage& image = app.Staff()->BackingImage();
    // The screen's pixels, with room to grow past the view.
    ASSERT_EQ(image.devicePixelRatio(), kRatio);
    ASSERT_GE(image.width(), app.Staff()->width() * kRatio);
    ASSERT_GE(image.height(), app.Staff()->height() * kRatio);
    const int x = 300 * kRatio;
    std::vector<int> runs;
    int run = 0;
    for (int y = 60 * kRatio; y < 320 * kRatio; ++y) {
        const COLORREF c = PixelOf(image, x, y);
        ASSERT_TRUE(c == kBlack || c == kWhite) << "grey at image row " << y;
        if (c == kBlack) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    ASSERT_GE(runs.size(), 10u) << "two staves of five lines";
    for (int r : runs)
        EXPECT_EQ(r, kRatio);
}

TEST_F(ViewsOnHiDpi, ANoteHeadHasSharpSmoothEdges)
{
    fboard_probe::ClickStop(app.Fboard(), 48); // C3, written into the first column
    fboard_probe::Settle(app.Staff());
    const CRect head = app.Doc()->m_columnList[0].GetNoteRect();
    ASSERT_FALSE(head.IsRectEmpty());
    const QImage& image = app.Staff()->BackingImage();
    EXPECT_EQ(ColoursIn(image, PixelsOf(head)), std::set<COLORREF>({kBlack, kWhite})) << "no grey edge";
    EXPECT_TRUE(FinerThanBlocks(image, PixelsOf(head), kRatio)) << "the curve steps by image pixels";
}

TEST_F(ViewsOnHiDpi, AStopHasSharpSmoothEdgesOnItsString)
{
    const CRect stop = fboard_probe::StopOf(app.Doc(), 38).GetRect(); // D2, green, unlabelled
    const QImage& image = app.Fboard()->BackingImage();
    EXPECT_EQ(ColoursIn(image, PixelsOf(stop)), std::set<COLORREF>({kBlack, kWhite, kGreen}));
    EXPECT_TRUE(FinerThanBlocks(image, PixelsOf(stop), kRatio));
    // The string below it: a line of one logical pixel, two image pixels wide.
    const int x = stop.CenterPoint().x;
    const int y = (stop.bottom + 3) * kRatio;
    const int left = x * kRatio;
    EXPECT_EQ(PixelOf(image, left - 1, y), kWhite);
    EXPECT_EQ(PixelOf(image, left, y), kBlack);
    EXPECT_EQ(PixelOf(image, left + 1, y), kBlack);
    EXPECT_EQ(PixelOf(image, left + 2, y), kWhite);
}

TEST_F(ViewsOnHiDpi, TextAndButtonPicturesHaveTheScreensResolution)
{
    EXPECT_TRUE(FinerThanBlocks(app.Staff()->BackingImage(), PixelsOf(CRect(8, 5, 120, 25)), kRatio))
        << "the header's text";
    const auto buttons = app.Staff()->findChildren<CBitmapButton*>();
    ASSERT_FALSE(buttons.isEmpty());
    for (CBitmapButton* button : buttons) {
        const CBitmap& picture = button->UpBitmap();
        EXPECT_EQ(picture.GetImage().size(), QSize(picture.GetSize().cx, picture.GetSize().cy) * kRatio);
        EXPECT_EQ(button->size(), QSize(picture.GetSize().cx, picture.GetSize().cy));
    }
}

} // namespace
