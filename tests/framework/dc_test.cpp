// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDC: the drawing conventions, pixel by pixel on a white image.
#include "framework/dc.h"
#include "framework/dc_test_util.h"

#include <QPainter>

using namespace dctest;

using DcLines = DcTest;
using DcShapes = DcTest;
using DcBrushes = DcTest;
using DcState = DcTest;

// ---------------------------------------------------------------------------
// Lines

namespace {

// Strokes of the default pen: each goes to its first point and draws
// through the others.
struct StrokeCase {
    const char* name;
    std::vector<std::vector<CPoint>> strokes;
    bool polyline = false; // drawn by Polyline, which keeps the current position
};

// Where the current position is before the strokes.
constexpr CPoint kPosition(50, 50);

int StepsOf(CPoint from, CPoint to)
{
    return std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
}

CPoint UnitStep(CPoint from, CPoint to)
{
    return CPoint(Sign(to.x - from.x), Sign(to.y - from.y));
}

// Every point of a stroke but its last is drawn; the points just before the
// start and at the end are not.
std::vector<PixelsAre> StrokePixels(const std::vector<CPoint>& stroke)
{
    const CPoint back = UnitStep(stroke[1], stroke[0]);
    std::vector<PixelsAre> pixels{{stroke[0].x + back.x, stroke[0].y + back.y, kWhite}};
    for (size_t i = 0; i + 1 < stroke.size(); ++i) {
        const CPoint step = UnitStep(stroke[i], stroke[i + 1]);
        pixels.push_back({stroke[i], CPoint(stroke[i + 1].x - step.x, stroke[i + 1].y - step.y), kBlack});
    }
    pixels.push_back({stroke.back().x, stroke.back().y, kWhite});
    return pixels;
}

} // namespace

TEST_F(DcLines, LinesLeaveOutTheirEndPoints)
{
    const StrokeCase cases[] = {
        {"rightward", {{{10, 10}, {20, 10}}}},
        {"leftward", {{{20, 10}, {10, 10}}}},
        {"downward", {{{30, 5}, {30, 25}}}},
        {"diagonals", {{{10, 10}, {20, 20}}, {{60, 60}, {50, 70}}}},
        {"consecutive lines join", {{{10, 10}, {20, 10}, {20, 20}}}},
        {"polyline", {{{10, 10}, {20, 10}, {20, 20}}}, true},
    };
    for (const StrokeCase& c : cases) {
        SCOPED_TRACE(c.name);
        image.fill(Qt::white);
        CDC dc(&image);
        dc.MoveTo(kPosition);
        int drawn = 0;
        for (const std::vector<CPoint>& stroke : c.strokes) {
            if (c.polyline) {
                EXPECT_TRUE(dc.Polyline(stroke.data(), int(stroke.size())));
            } else {
                dc.MoveTo(stroke[0]);
                for (size_t i = 1; i < stroke.size(); ++i)
                    dc.LineTo(stroke[i]);
            }
            for (size_t i = 0; i + 1 < stroke.size(); ++i)
                drawn += StepsOf(stroke[i], stroke[i + 1]);
        }
        dc.ReleasePainter();
        for (const std::vector<CPoint>& stroke : c.strokes)
            ExpectPixels(StrokePixels(stroke));
        EXPECT_EQ(Count(kBlack, 0, 0, 200, 200), drawn);
        EXPECT_EQ(dc.GetCurrentPosition(), c.polyline ? kPosition : c.strokes.back().back());
    }
}

TEST_F(DcLines, ShallowLineHasOnePixelPerColumn)
{
    CDC dc(&image);
    dc.MoveTo(0, 0);
    dc.LineTo(40, 7);
    dc.ReleasePainter();
    int previous = -1;
    for (int x = 0; x < 40; ++x) {
        int found = -1;
        int count = 0;
        for (int y = 0; y < 20; ++y) {
            if (Px(x, y) == kBlack) {
                found = y;
                ++count;
            }
        }
        EXPECT_EQ(count, 1) << x;
        if (previous >= 0) {
            EXPECT_LE(found - previous, 1) << x;
        }
        EXPECT_GE(found, previous) << x;
        previous = found;
    }
    EXPECT_EQ(Px(0, 0), kBlack);
    EXPECT_EQ(Px(40, 7), kWhite);
    EXPECT_EQ(previous, 7); // reaches the row of the end point one step before it
}

TEST_F(DcLines, LineIsTheSameEveryTime)
{
    QImage first;
    for (int pass = 0; pass < 2; ++pass) {
        image.fill(Qt::white);
        CDC dc(&image);
        dc.MoveTo(3, 91);
        dc.LineTo(187, 14);
        dc.LineTo(100, 199);
        dc.ReleasePainter();
        if (pass == 0)
            first = image.copy();
    }
    EXPECT_EQ(first, image);
}

TEST_F(DcLines, PensDrawTheirColourWidthAndDashes)
{
    CheckScenes({
        {"a coloured pen and a null pen",
         [](CDC& dc) {
             CPen red(PS_SOLID, 1, kRed);
             CPen none(PS_NULL, 1, kRed);
             dc.SelectObject(&red);
             dc.MoveTo(0, 5);
             dc.LineTo(10, 5);
             dc.SelectObject(&none);
             dc.MoveTo(0, 8);
             dc.LineTo(10, 8);
             EXPECT_EQ(dc.GetCurrentPosition(), CPoint(10, 8));
         },
         {{5, 5, kRed}},
         {{kWhite, CRect(0, 8, 10, 9), 10}}},
        {"wide pens cover their band and leave out the end",
         [](CDC& dc) {
             CPen two(PS_SOLID, 2, kBlack);
             CPen three(PS_SOLID, 3, kBlack);
             dc.SelectObject(&two);
             dc.MoveTo(100, 71);
             dc.LineTo(100, 104); // a note stem
             dc.SelectObject(&three);
             dc.MoveTo(10, 150);
             dc.LineTo(30, 150);
         },
         {{{99, 71}, {99, 103}, kBlack},
          {{100, 71}, {100, 103}, kBlack},
          {{98, 71}, {98, 103}, kWhite},
          {{101, 71}, {101, 103}, kWhite},
          {100, 70, kWhite},
          {100, 104, kWhite},
          {{10, 149}, {29, 149}, kBlack},
          {{10, 150}, {29, 150}, kBlack},
          {{10, 151}, {29, 151}, kBlack}},
         {{kBlack, CRect(0, 140, 200, 160), 60}}},
        {"a dotted pen leaves gaps, filled with the background when opaque",
         [](CDC& dc) {
             CPen dot(PS_DOT, 1, kBlack);
             dc.SelectObject(&dot);
             dc.SetBkMode(TRANSPARENT);
             dc.MoveTo(0, 10);
             dc.LineTo(12, 10);
             dc.SetBkMode(OPAQUE);
             dc.SetBkColor(kRed);
             dc.MoveTo(0, 20);
             dc.LineTo(12, 20);
         },
         {{{0, 10}, {2, 10}, kBlack},
          {{3, 10}, {5, 10}, kWhite},
          {{6, 10}, {8, 10}, kBlack},
          {{9, 10}, {11, 10}, kWhite},
          {{0, 20}, {2, 20}, kBlack},
          {{3, 20}, {5, 20}, kRed},
          {{6, 20}, {8, 20}, kBlack},
          {{9, 20}, {11, 20}, kRed}}},
    });
}

// ---------------------------------------------------------------------------
// Shapes

TEST_F(DcShapes, ShapesCoverLeftToRightMinusOne)
{
    CheckScenes({
        {"a rectangle: outline of the pen, inside of the brush",
         [](CDC& dc) {
             CBrush red(kRed);
             dc.SelectObject(&red);
             EXPECT_TRUE(dc.Rectangle(10, 10, 20, 15));
         },
         {{{10, 10}, {19, 10}, kBlack},
          {{10, 14}, {19, 14}, kBlack},
          {{10, 15}, {19, 15}, kWhite},
          {{10, 10}, {10, 14}, kBlack},
          {{19, 10}, {19, 14}, kBlack},
          {{20, 10}, {20, 14}, kWhite},
          {{9, 10}, {9, 14}, kWhite}},
         {{kRed, CRect(11, 11, 19, 14), 8 * 3}, {kWhite, kWholeImage, 10 * 5, kOtherColours}}},
        {"the default brush is white and the default pen black",
         [](CDC& dc) { dc.Rectangle(0, 0, 10, 10); },
         {{0, 0, kBlack}, {5, 5, kWhite}, {10, 5, kBlue}},
         {},
         kBlue},
        {"a null pen fills the whole shape with the brush",
         [](CDC& dc) {
             CPen none(PS_NULL, 1, 0);
             CBrush blue(kBlue);
             dc.SelectObject(&none);
             dc.SelectObject(&blue);
             dc.Rectangle(10, 10, 20, 20);
         },
         {{20, 15, kWhite}, {15, 20, kWhite}},
         {{kBlue, CRect(10, 10, 20, 20), 100}, {kBlack, kWholeImage, 0}}},
        {"a null brush draws only the outline",
         [](CDC& dc) {
             CBrush none;
             none.CreateNullBrush();
             dc.SelectObject(&none);
             dc.Rectangle(10, 10, 20, 20);
             dc.SelectStockObject(NULL_BRUSH);
             dc.Ellipse(40, 40, 60, 60);
         },
         {{50, 50, kGreen}, {40, 50, kBlack}},
         {{kGreen, CRect(11, 11, 19, 19), 64}, {kBlack, CRect(10, 10, 20, 20), 36}},
         kGreen},
        {"a wide pen makes an ellipse a thick ring",
         [](CDC& dc) {
             CPen two(PS_SOLID, 2, kBlack);
             dc.SelectObject(&two);
             dc.Ellipse(100, 64, 120, 78);
         },
         {{110, 71, kWhite}, // hollow head: the default white brush
          // The band is two pixels thick at the sides and at the top.
          {99, 71, kBlack},
          {100, 71, kBlack},
          {101, 71, kWhite},
          {110, 63, kBlack},
          {110, 64, kBlack},
          {110, 65, kWhite}}},
        {"a round rectangle cuts its corners",
         [](CDC& dc) {
             CBrush red(kRed);
             dc.SelectObject(&red);
             dc.RoundRect(20, 20, 120, 100, 20, 20);
         },
         {{20, 20, kWhite},
          {119, 99, kWhite},
          {20, 60, kBlack},
          {119, 60, kBlack},
          {70, 20, kBlack},
          {70, 99, kBlack},
          {120, 60, kWhite},
          {70, 100, kWhite},
          {70, 60, kRed},
          {23, 23, kRed}}}, // inside the rounded corner
    });
}

TEST_F(DcShapes, EllipseStaysInsideItsBounds)
{
    CDC dc(&image);
    CBrush red(kRed);
    dc.SelectObject(&red);
    dc.Ellipse(100, 64, 120, 78); // a note head
    dc.ReleasePainter();
    // Touches every side of left..right-1, top..bottom-1 and nothing outside.
    EXPECT_GT(CountNot(kWhite, 100, 64, 101, 78), 0);
    EXPECT_GT(CountNot(kWhite, 119, 64, 120, 78), 0);
    EXPECT_GT(CountNot(kWhite, 100, 64, 120, 65), 0);
    EXPECT_GT(CountNot(kWhite, 100, 77, 120, 78), 0);
    EXPECT_EQ(CountNot(kWhite, 0, 0, 200, 200), CountNot(kWhite, 100, 64, 120, 78));
    // Corners are outside, the centre is filled, the outline is black.
    ExpectPixels({{100, 64, kWhite}, {119, 77, kWhite}, {110, 71, kRed}, {100, 71, kBlack}, {119, 70, kBlack}});
    // Symmetric both ways.
    for (int y = 64; y < 78; ++y)
        for (int x = 100; x < 120; ++x) {
            EXPECT_EQ(Px(x, y), Px(219 - x, y)) << x << "," << y;
            EXPECT_EQ(Px(x, y), Px(x, 141 - y)) << x << "," << y;
        }
}
TEST_F(DcShapes, EllipseOutlineIsClosed)
{
    CDC dc(&image);
    CBrush none;
    none.CreateNullBrush();
    dc.SelectObject(&none);
    dc.Ellipse(20, 20, 80, 60);
    dc.ReleasePainter();
    // Flood the inside from the centre: it must not leak to the outside.
    QImage filled = image.copy();
    std::vector<QPoint> stack{QPoint(50, 40)};
    int inside = 0;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= 200 || p.y() >= 200)
            continue;
        if (filled.pixel(p) != qRgb(255, 255, 255))
            continue;
        filled.setPixel(p, qRgb(1, 2, 3));
        ++inside;
        stack.push_back(p + QPoint(1, 0));
        stack.push_back(p - QPoint(1, 0));
        stack.push_back(p + QPoint(0, 1));
        stack.push_back(p - QPoint(0, 1));
    }
    EXPECT_GT(inside, 1000);
    EXPECT_EQ(filled.pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(DcShapes, PolygonFillsAndOutlines)
{
    CDC dc(&image);
    CBrush red(kRed);
    CPen none(PS_NULL, 1, 0);
    dc.SelectObject(&red);
    const CPoint square[] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}};
    dc.SelectObject(&none);
    dc.Polygon(square, 4);
    dc.ReleasePainter();
    // Fill alone: pixels whose centres are inside, so right and bottom are left out.
    EXPECT_EQ(Count(kRed, 0, 0, 200, 200), 100);
    EXPECT_EQ(Count(kRed, 10, 10, 20, 20), 100);

    image.fill(Qt::white);
    CPen black(PS_SOLID, 1, kBlack);
    dc.SelectObject(&black);
    dc.Polygon(square, 4);
    dc.ReleasePainter();
    // With the pen the closed outline covers all four corners.
    ExpectPixels({{10, 10, kBlack}, {20, 10, kBlack}, {20, 20, kBlack}, {10, 20, kBlack}, {15, 15, kRed}});
}

// Fill and outline share their edge pixels: along every row and every
// column the fill lies between the first and the last outline pixel.
TEST_F(DcShapes, PolygonFillStaysInsideItsOutline)
{
    const std::vector<std::vector<CPoint>> polygons = {
        {{98, 159}, {122, 159}, {110, 152}},                     // the playback marker under a column at x 100
        {{10, 10}, {50, 17}, {30, 60}},                          // shallow and steep edges
        {{150, 20}, {190, 25}, {185, 70}, {160, 40}, {140, 65}}, // concave
        {{20, 100}, {29, 111}, {24, 121}, {31, 130}, {29, 130}, {26, 132}, {26, 135}, {28, 139}, {24, 137},
         {22, 136}, {20, 131}, {21, 128}, {25, 125}, {18, 118}, {23, 105}}, // the rest sign
    };
    for (size_t i = 0; i < polygons.size(); ++i) {
        SCOPED_TRACE(i);
        image.fill(Qt::white);
        CDC dc(&image);
        CBrush red(kRed);
        dc.SelectObject(&red);
        dc.Polygon(polygons[i].data(), int(polygons[i].size()));
        dc.ReleasePainter();
        EXPECT_GT(Count(kRed, 0, 0, 200, 200), 0);
        for (int line = 0; line < 200; ++line) {
            for (bool rows : {true, false}) {
                auto at = [&](int k) { return rows ? Px(k, line) : Px(line, k); };
                int first = 200, last = -1;
                for (int k = 0; k < 200; ++k) {
                    if (at(k) == kBlack) {
                        first = std::min(first, k);
                        last = k;
                    }
                }
                for (int k = 0; k < 200; ++k) {
                    EXPECT_FALSE(at(k) == kRed && (k <= first || k >= last))
                        << "fill at " << (rows ? k : line) << "," << (rows ? line : k);
                }
            }
        }
    }
}

TEST_F(DcShapes, PolygonFillModes)
{
    CDC dc(&image);
    CBrush red(kRed);
    CPen none(PS_NULL, 1, 0);
    dc.SelectObject(&red);
    dc.SelectObject(&none);
    // A star whose centre is wound twice.
    const CPoint star[] = {{100, 10}, {160, 190}, {10, 70}, {190, 70}, {40, 190}};
    EXPECT_EQ(dc.GetPolyFillMode(), ALTERNATE);
    dc.Polygon(star, 5);
    dc.ReleasePainter();
    EXPECT_EQ(Px(100, 110), kWhite);
    EXPECT_EQ(Px(100, 40), kRed);
    dc.SetPolyFillMode(WINDING);
    dc.Polygon(star, 5);
    dc.ReleasePainter();
    EXPECT_EQ(Px(100, 110), kRed);
}

// ---------------------------------------------------------------------------
// Brushes and fills

TEST_F(DcBrushes, FillsAndHatchedBrushes)
{
    CheckScenes({
        {"fills leave out right and bottom",
         [](CDC& dc) {
             CBrush red(kRed);
             dc.FillRect(CRect(10, 10, 20, 15), &red);
             dc.FillSolidRect(CRect(30, 30, 35, 40), kBlue);
             EXPECT_EQ(dc.GetBkColor(), kWhite); // FillSolidRect keeps the background colour
         },
         {{10, 10, kRed}, {19, 14, kRed}, {20, 14, kWhite}, {19, 15, kWhite},
          {34, 39, kBlue}, {35, 39, kWhite}, {34, 40, kWhite}},
         {{kRed, kWholeImage, 50}, {kBlue, kWholeImage, 50}}},
        {"an opaque hatched brush shows both colours",
         [](CDC& dc) {
             CBrush hatch;
             ASSERT_TRUE(hatch.CreateHatchBrush(HS_DIAGCROSS, kRed));
             dc.SetBkColor(kGreen);
             dc.FillRect(CRect(0, 0, 64, 64), &hatch);
         },
         // The pattern is aligned to the device origin: both diagonals of each 8 x 8 cell.
         {{0, 0, kRed}, {7, 0, kRed}, {3, 3, kRed}, {4, 3, kRed}, {1, 0, kGreen}, {8, 8, kRed}},
         {{kWhite, CRect(0, 0, 64, 64), 0},
          {kRed, CRect(0, 0, 64, 64), 64 * 64 / 4}, // 16 of every 64 pixels
          {kGreen, CRect(0, 0, 64, 64), 64 * 64 * 3 / 4}}},
        {"a transparent hatched brush keeps the background",
         [](CDC& dc) {
             CBrush hatch;
             hatch.CreateHatchBrush(HS_DIAGCROSS, kRed);
             dc.SetBkColor(kGreen);
             dc.SetBkMode(TRANSPARENT);
             dc.FillRect(CRect(0, 0, 64, 64), &hatch);
         },
         {},
         {{kGreen, CRect(0, 0, 64, 64), 0},
          {kRed, CRect(0, 0, 64, 64), 64 * 64 / 4},
          {kWhite, CRect(0, 0, 64, 64), 64 * 64 * 3 / 4}}},
        {"stock objects",
         [](CDC& dc) {
             dc.SelectStockObject(BLACK_BRUSH);
             dc.SelectStockObject(WHITE_PEN);
             dc.Rectangle(0, 0, 10, 10);
             dc.SelectStockObject(LTGRAY_BRUSH);
             dc.SelectStockObject(NULL_PEN);
             dc.Rectangle(20, 0, 30, 10);
         },
         {{0, 0, kWhite}, {5, 5, kBlack}, {20, 0, RGB(192, 192, 192)}}},
    });
}

TEST_F(DcBrushes, HatchedCardIsRedOnWhiteInsideABlackOutline)
{
    // The flash card: RoundRect with the card brush and the default pen.
    QImage big(520, 340, QImage::Format_RGB32);
    big.fill(Qt::white);
    CDC dc(&big);
    CBrush card;
    card.CreateHatchBrush(HS_DIAGCROSS, kRed);
    CBrush* old = dc.SelectObject(&card);
    dc.RoundRect(300, 30, 500, 320, 20, 20);
    dc.SelectObject(old);
    dc.ReleasePainter();
    int red = 0, white = 0, other = 0;
    for (int y = 40; y < 300; ++y)
        for (int x = 310; x < 490; ++x) {
            const QRgb c = big.pixel(x, y);
            if (c == qRgb(255, 0, 0))
                ++red;
            else if (c == qRgb(255, 255, 255))
                ++white;
            else
                ++other;
        }
    EXPECT_GT(red, 0);
    EXPECT_GT(white, 0);
    EXPECT_EQ(other, 0);
    dctest::ExpectPixels(big, {{400, 30, kBlack}, {300, 175, kBlack}, {499, 175, kBlack}, {500, 175, kWhite}});
}

TEST_F(DcBrushes, SelectObjectReturnsThePrevious)
{
    CDC dc(&image);
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kRed);
    CFont font;
    font.CreateFont(16, FW_BOLD, "Arial");
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    CFont* oldFont = dc.SelectObject(&font);
    ASSERT_NE(oldPen, nullptr);
    ASSERT_NE(oldBrush, nullptr);
    ASSERT_NE(oldFont, nullptr);
    EXPECT_EQ(dc.SelectObject(oldPen), &pen);
    EXPECT_EQ(dc.SelectObject(oldBrush), &brush);
    EXPECT_EQ(dc.SelectObject(oldFont), &font);
    dc.Rectangle(0, 0, 10, 10);
    dc.ReleasePainter();
    ExpectPixels({{0, 0, kBlack}, {5, 5, kWhite}});
}

// ---------------------------------------------------------------------------
// Pixels, clipping, painters, recording

TEST_F(DcState, SetPixelAndGetPixel)
{
    CDC dc(&image);
    EXPECT_EQ(dc.SetPixel(5, 6, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(5, 6), RGB(1, 2, 3)); // readable while the painter is open
    dc.ReleasePainter();
    EXPECT_EQ(Px(5, 6), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(dc.GetPixel(-1, 0), CLR_INVALID);
    EXPECT_EQ(dc.GetPixel(200, 0), CLR_INVALID);
    CDC nothing;
    EXPECT_EQ(nothing.GetPixel(0, 0), CLR_INVALID);
}

TEST_F(DcState, ClipRegionIsRespected)
{
    QRegion clip(QRect(0, 0, 50, 50));
    clip += QRect(100, 100, 10, 10);
    CDC dc(&image, clip);
    dc.FillSolidRect(CRect(0, 0, 200, 200), kRed);
    dc.MoveTo(0, 150);
    dc.LineTo(200, 150);
    dc.SetPixel(150, 10, kBlue);
    dc.TextOut(45, 45, "Clipped text");
    dc.ReleasePainter();
    EXPECT_GT(CountNot(kRed, 45, 45, 50, 50), 0); // the start of the text
    ExpectPixels({{49, 44, kRed}, {44, 49, kRed}, {50, 10, kWhite}, {10, 50, kWhite}, {105, 105, kRed},
                  {110, 105, kWhite}, {150, 10, kWhite}});
    ExpectCounts({{kBlack, CRect(0, 150, 200, 151), 0},
                  {kWhite, CRect(50, 0, 200, 100), 0, kOtherColours},
                  {kWhite, CRect(0, 50, 100, 200), 0, kOtherColours}});
}

TEST_F(DcState, DrawTextClipsToItsRectangleAndKeepsTheRegion)
{
    CDC dc(&image, QRegion(QRect(0, 0, 100, 200)));
    CRect small(10, 10, 30, 25);
    dc.DrawText("A rather long label", &small, DT_SINGLELINE);
    dc.FillSolidRect(CRect(0, 100, 200, 110), kRed); // the device clip is back afterwards
    dc.ReleasePainter();
    EXPECT_GT(CountNot(kWhite, 10, 10, 30, 25), 0);
    EXPECT_EQ(CountNot(kWhite, 30, 0, 200, 100), 0);
    ExpectPixels({{99, 105, kRed}, {100, 105, kWhite}});
}

TEST_F(DcState, TwoDeviceContextsOnOneImageTakeTurns)
{
    CDC a(&image);
    CDC b(&image);
    CBrush red(kRed);
    a.SelectObject(&red);
    for (int i = 0; i < 5; ++i) {
        a.Rectangle(10 * i, 0, 10 * i + 8, 8);
        b.FillSolidRect(CRect(10 * i, 20, 10 * i + 8, 28), kBlue);
        a.MoveTo(10 * i, 40);
        a.LineTo(10 * i + 8, 40);
        b.TextOut(0, 60, "Turns");
    }
    // The state of each device context survived the other's turns.
    a.Rectangle(100, 100, 110, 110);
    a.ReleasePainter();
    b.ReleasePainter();
    ExpectPixels({{45, 4, kRed}, {40, 0, kBlack}, {45, 24, kBlue}, {45, 40, kBlack}, {105, 105, kRed}});
    EXPECT_GT(CountNot(kWhite, 0, 60, 60, 80), 0);
}

TEST_F(DcState, PainterCanBeReleasedAroundAForeignPainter)
{
    CDC dc(&image);
    dc.FillSolidRect(CRect(0, 0, 10, 10), kRed);
    dc.ReleasePainter();
    {
        QPainter p(&image); // e.g. a blit while the device context waits
        p.fillRect(QRect(20, 0, 10, 10), Qt::blue);
    }
    dc.FillSolidRect(CRect(40, 0, 50, 10), kRed);
    dc.ReleasePainter();
    ExpectPixels({{5, 5, kRed}, {25, 5, kBlue}, {45, 5, kRed}});
}

TEST_F(DcState, DestroyedDeviceContextFreesTheDevice)
{
    {
        CDC first(&image);
        first.FillSolidRect(CRect(0, 0, 10, 10), kRed);
    }
    CDC second(&image);
    second.FillSolidRect(CRect(10, 0, 20, 10), kBlue);
    second.ReleasePainter();
    QPainter p(&image); // no device context holds the image any more
    EXPECT_TRUE(p.isActive());
    p.end();
    ExpectPixels({{5, 5, kRed}, {15, 5, kBlue}});
}
// The bounds a device context keeps of its drawing hold every pixel it
// changed, for each kind of primitive.
TEST_F(DcState, DrawnBoundsHoldEveryPixelDrawn)
{
    CPen wide(PS_SOLID, 5, kBlack);
    CBrush red(kRed);
    const std::pair<const char*, std::function<void(CDC&)>> cases[] = {
        {"row", [](CDC& dc) { dc.MoveTo(150, 20); dc.LineTo(30, 20); }},
        {"slope", [](CDC& dc) { dc.MoveTo(30, 150); dc.LineTo(60, 10); }},
        {"wide pen", [&wide](CDC& dc) { dc.SelectObject(&wide); dc.MoveTo(40, 40); dc.LineTo(90, 120); }},
        {"ellipse", [&red](CDC& dc) { dc.SelectObject(&red); dc.Ellipse(20, 30, 70, 60); }},
        {"polygon", [&red](CDC& dc) {
             const CPoint points[] = {{100, 10}, {190, 90}, {120, 150}};
             dc.SelectObject(&red);
             dc.Polygon(points, 3);
         }},
        {"text", [](CDC& dc) { dc.TextOut(60, 80, "Wg#"); }},
        {"transparent text", [](CDC& dc) { dc.SetBkMode(TRANSPARENT); dc.TextOut(60, 80, "Wg#"); }},
        {"fill and pixel", [](CDC& dc) { dc.FillSolidRect(CRect(5, 5, 9, 9), kBlue); dc.SetPixel(180, 190, kRed); }},
    };
    for (const auto& [name, draw] : cases) {
        SCOPED_TRACE(name);
        image.fill(Qt::white);
        CDC dc(&image);
        EXPECT_TRUE(dc.DrawnBounds().isEmpty());
        draw(dc);
        dc.ReleasePainter();
        QRect changed;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (Px(x, y) != kWhite)
                    changed |= QRect(x, y, 1, 1);
        ASSERT_FALSE(changed.isEmpty());
        EXPECT_TRUE(dc.DrawnBounds().contains(changed));
    }
}

TEST_F(DcState, RectVisibleFollowsTheClipRegionOrTheDevice)
{
    CDC clipped(&image, QRegion(10, 10, 20, 20));
    CDC whole(&image);
    CDC recorder;
    const struct {
        CRect rc;
        BOOL inClip, onDevice;
    } cases[] = {
        {CRect(0, 0, 11, 11), TRUE, TRUE},
        {CRect(0, 0, 10, 10), FALSE, TRUE},
        {CRect(29, 29, 40, 40), TRUE, TRUE},
        {CRect(30, 12, 40, 14), FALSE, TRUE},
        {CRect(15, 15, 15, 25), FALSE, FALSE},  // empty
        {CRect(200, 0, 220, 10), FALSE, FALSE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(clipped.RectVisible(c.rc), c.inClip) << c.rc.left << "," << c.rc.top;
        EXPECT_EQ(whole.RectVisible(c.rc), c.onDevice) << c.rc.left << "," << c.rc.top;
        EXPECT_TRUE(recorder.RectVisible(c.rc));
    }
}

TEST_F(DcState, RecorderKeepsCallsAndState)
{
    std::vector<GdiCall> calls;
    CDC dc; // no device: records only
    dc.SetRecorder(&calls);
    CPen pen(PS_SOLID, 2, kRed);
    CBrush brush(kGreen);
    CBrush hatch;
    hatch.CreateHatchBrush(HS_DIAGCROSS, kBlue);
    dc.SelectObject(&pen);
    dc.SelectObject(&brush);
    dc.SetTextColor(RGB(0, 0, 200));
    dc.MoveTo(1, 2);
    dc.LineTo(3, 4);
    dc.Rectangle(5, 6, 7, 8);
    dc.Ellipse(CRect(9, 10, 11, 12));
    dc.RoundRect(1, 1, 50, 50, 20, 20);
    const CPoint tri[] = {{0, 0}, {5, 0}, {0, 5}};
    dc.Polygon(tri, 3);
    dc.Polyline(tri, 3);
    dc.FillRect(CRect(0, 0, 2, 2), &hatch);
    dc.FillSolidRect(CRect(0, 0, 3, 3), RGB(9, 9, 9));
    dc.TextOut(8, 5, "Tempo");
    CRect rc(100, 0, 120, 15);
    dc.DrawText("C#", &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    CRect calc(0, 0, 100, 0);
    dc.DrawText("measured, not drawn", &calc, DT_CALCRECT | DT_WORDBREAK);
    dc.SetPixel(4, 4, kRed);

    ASSERT_EQ(calls.size(), 12u); // nothing is recorded for DT_CALCRECT
    const char* ops[] = {"MoveTo", "LineTo", "Rectangle", "Ellipse", "RoundRect", "Polygon", "Polyline",
                         "FillRect", "FillSolidRect", "TextOut", "DrawText", "SetPixel"};
    for (size_t i = 0; i < 12; ++i)
        EXPECT_EQ(calls[i].op, ops[i]) << i;
    EXPECT_EQ(calls[0].args, (std::vector<int>{1, 2}));
    EXPECT_EQ(calls[1].args, (std::vector<int>{3, 4}));
    EXPECT_EQ(calls[1].penColor, kRed);
    EXPECT_EQ(calls[1].penWidth, 2);
    EXPECT_EQ(calls[1].penStyle, PS_SOLID);
    EXPECT_EQ(calls[2].args, (std::vector<int>{5, 6, 7, 8}));
    EXPECT_EQ(calls[2].brushColor, kGreen);
    EXPECT_EQ(calls[2].brushKind, CBrush::Solid);
    EXPECT_EQ(calls[3].args, (std::vector<int>{9, 10, 11, 12}));
    EXPECT_EQ(calls[4].args, (std::vector<int>{1, 1, 50, 50, 20, 20}));
    EXPECT_EQ(calls[5].args, (std::vector<int>{0, 0, 5, 0, 0, 5}));
    EXPECT_EQ(calls[7].brushColor, kBlue); // the brush passed to FillRect
    EXPECT_EQ(calls[7].brushKind, CBrush::Hatched);
    EXPECT_EQ(calls[8].brushColor, RGB(9, 9, 9));
    EXPECT_EQ(calls[9].args, (std::vector<int>{8, 5}));
    EXPECT_EQ(calls[9].text, QStringLiteral("Tempo"));
    EXPECT_EQ(calls[9].textColor, RGB(0, 0, 200));
    EXPECT_EQ(calls[10].args, (std::vector<int>{100, 0, 120, 15}));
    EXPECT_EQ(calls[10].format, UINT(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    EXPECT_EQ(calls[10].text, QStringLiteral("C#"));
    EXPECT_EQ(calls[11].args, (std::vector<int>{4, 4, int(kRed)}));
    EXPECT_GT(calc.bottom, 0);
}

TEST_F(DcState, RecorderAlsoWorksWhileDrawing)
{
    std::vector<GdiCall> calls;
    CDC dc(&image);
    dc.SetRecorder(&calls);
    dc.MoveTo(0, 0);
    dc.LineTo(10, 0);
    dc.SetRecorder(nullptr);
    dc.LineTo(10, 10);
    dc.ReleasePainter();
    ASSERT_EQ(calls.size(), 2u);
    ExpectPixels({{5, 0, kBlack}, {10, 5, kBlack}});
}

// ---------------------------------------------------------------------------
// Mapping modes

TEST_F(DcState, LoEnglishMapsHundredthsOfAnInchWithYUp)
{
    QImage page(400, 400, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(7874); // 200 dpi
    page.setDotsPerMeterY(7874);
    ASSERT_EQ(page.logicalDpiX(), 200);
    ASSERT_EQ(page.logicalDpiY(), 200);
    CDC dc(&page);
    EXPECT_EQ(dc.SetMapMode(MM_LOENGLISH), MM_TEXT);
    EXPECT_EQ(dc.GetMapMode(), MM_LOENGLISH);
    EXPECT_EQ(dc.LPtoDP(CPoint(100, -100)), CPoint(200, 200));
    EXPECT_EQ(dc.LPtoDP(CPoint(1, -1)), CPoint(2, 2));
    EXPECT_EQ(dc.DPtoLP(CPoint(200, 200)), CPoint(100, -100));
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 200);

    CPen hairline(PS_SOLID, 0, kBlack);
    dc.SelectObject(&hairline);
    dc.MoveTo(0, -50);
    dc.LineTo(100, -50); // device (0,100) to (200,100)
    CPen two(PS_SOLID, 2, kBlack);
    dc.SelectObject(&two);
    dc.MoveTo(150, -10);
    dc.LineTo(150, -60); // width 2 hundredths = 4 device pixels
    dc.SelectStockObject(NULL_PEN);
    CBrush red(kRed);
    dc.SelectObject(&red);
    dc.Rectangle(10, -110, 60, -160); // device (20,220)-(120,320)
    dc.ReleasePainter();

    dctest::ExpectPixels(page, {{0, 100, kBlack}, {199, 100, kBlack}, {200, 100, kWhite}, {0, 99, kWhite},
                                {0, 101, kWhite}, {20, 220, kRed}, {119, 319, kRed}, {120, 319, kWhite},
                                {119, 320, kWhite}, {19, 220, kWhite}});
    EXPECT_EQ(CountPixels(page, kBlack, 290, 60, 310, 61), 4); // the wide line's thickness
}

TEST_F(DcState, LoEnglishScalesFontsAndTextExtents)
{
    QImage page(800, 400, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(11811); // 300 dpi
    page.setDotsPerMeterY(11811);
    CDC dc(&page);
    dc.SetMapMode(MM_LOENGLISH);
    CFont title;
    title.CreateFont(30, FW_BOLD, "Arial"); // 0.3 inch: 90 device pixels
    dc.SelectObject(&title);
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_NEAR(tm.tmHeight, 30, 1);
    const CSize extent = dc.GetTextExtent("Page 1");
    EXPECT_NEAR(extent.cy, 30, 1);
    EXPECT_GT(extent.cx, 50);
    EXPECT_LT(extent.cx, 150);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(10, -10, "Page 1"); // top-left at device (30, 30), text below it
    dc.ReleasePainter();
    int top = -1, bottom = -1, left = -1;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 800; ++x)
            if (page.pixel(x, y) != qRgb(255, 255, 255)) {
                if (top < 0)
                    top = y;
                bottom = y;
                if (left < 0 || x < left)
                    left = x;
            }
    EXPECT_GE(top, 30);
    EXPECT_LT(bottom, 30 + 91);
    EXPECT_GT(bottom - top, 50); // glyphs about 0.2 inch high
    EXPECT_GE(left, 30);
    EXPECT_LT(left, 45);
}

TEST_F(DcState, MappingModeBackToText)
{
    QImage page(100, 100, QImage::Format_RGB32);
    page.setDotsPerMeterX(7874);
    page.setDotsPerMeterY(7874);
    CDC dc(&page);
    dc.SetMapMode(MM_LOENGLISH);
    EXPECT_EQ(dc.SetMapMode(MM_TEXT), MM_LOENGLISH);
    EXPECT_EQ(dc.LPtoDP(CPoint(10, 20)), CPoint(10, 20));
    CRect rc(0, 0, 50, -50);
    dc.SetMapMode(MM_LOENGLISH);
    dc.LPtoDP(&rc);
    EXPECT_EQ(rc, CRect(0, 0, 100, 100));
    dc.DPtoLP(&rc);
    EXPECT_EQ(rc, CRect(0, 0, 50, -50));
}
