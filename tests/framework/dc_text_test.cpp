// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CFont and the text calls of CDC.
#include "framework/dc.h"
#include "framework/dc_test_util.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <functional>

using namespace dctest;

using DcFonts = DcTest;
using DcText = DcTest;

namespace {

// The bounding box of the pixels that are not of the given colour.
QRect InkBox(const QImage& image, const QRect& area, QRgb background)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

// A device context with Arial bold of a cell height selected, or the
// default font for 0.
struct DcWithFont {
    DcWithFont(QImage* image, int fontHeight) : dc(image)
    {
        if (fontHeight != 0 && font.CreateFont(fontHeight, FW_BOLD, "Arial"))
            dc.SelectObject(&font);
    }

    CFont font;
    CDC dc;
};

} // namespace

// ---------------------------------------------------------------------------
// Fonts

TEST_F(DcFonts, PositiveHeightIsTheCellHeight)
{
    for (int height = 8; height <= 90; ++height) {
        CFont font;
        ASSERT_TRUE(font.CreateFont(height, FW_BOLD, "Arial"));
        const QFontMetrics fm(font.GetQFont());
        EXPECT_LE(std::abs(fm.ascent() + fm.descent() - height), 1) << height;
    }
    CFont label;
    label.CreateFont(16, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 1, "Arial"); // the fingerboard labels
    const QFontMetrics fm(label.GetQFont());
    EXPECT_EQ(fm.ascent() + fm.descent(), 16);
    EXPECT_EQ(label.Height(), 16);
}

TEST_F(DcFonts, NegativeHeightIsTheEmHeight)
{
    CFont font;
    font.CreateFont(-20, FW_NORMAL, "Arial");
    EXPECT_EQ(font.GetQFont().pixelSize(), 20);
    EXPECT_EQ(QFontInfo(font.GetQFont()).pixelSize(), 20);
    EXPECT_EQ(font.Height(), -20);
}

TEST_F(DcFonts, FacesResolveToLiberationFonts)
{
    CFont arial;
    arial.CreateFont(16, FW_BOLD, "Arial");
    EXPECT_EQ(QFontInfo(arial.GetQFont()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(QFontInfo(arial.GetQFont()).bold());
    CFont times;
    times.CreateFont(80, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 1, "Times New Roman"); // the flash card name
    EXPECT_EQ(QFontInfo(times.GetQFont()).family(), QStringLiteral("Liberation Serif"));
    const QFontMetrics fm(times.GetQFont());
    EXPECT_LE(std::abs(fm.ascent() + fm.descent() - 80), 1);
    CFont normal;
    normal.CreateFont(16, FW_NORMAL, "Arial");
    EXPECT_FALSE(QFontInfo(normal.GetQFont()).bold());
}

TEST_F(DcFonts, StyleFlagsAndRecreation)
{
    CFont font;
    EXPECT_FALSE(font.IsCreated());
    font.CreateFont(20, 0, 0, 0, FW_NORMAL, 1, 1, 0, 0, 0, 0, 0, 0, "Arial");
    EXPECT_TRUE(font.GetQFont().italic());
    EXPECT_TRUE(font.GetQFont().underline());
    const auto firstId = font.Id();
    font.CreateFont(30, FW_BOLD, "Arial");
    EXPECT_NE(font.Id(), firstId);
    EXPECT_EQ(font.Height(), 30);
    EXPECT_TRUE(font.DeleteObject());
    EXPECT_FALSE(font.IsCreated());
}

TEST_F(DcFonts, TextMetricsFollowTheSelectedFont)
{
    CDC dc(&image);
    CFont header;
    header.CreateFont(20, FW_BOLD, "Arial");
    dc.SelectObject(&header);
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_LE(std::abs(tm.tmHeight - 20), 1);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_EQ(dc.GetTextExtent("Tempo").cy, tm.tmHeight);
    CFont big;
    big.CreateFont(-40, FW_NORMAL, "Arial");
    dc.SelectObject(&big);
    EXPECT_GT(dc.GetTextExtent("Tempo").cx, 2 * QFontMetrics(header.GetQFont()).horizontalAdvance("Tempo") - 10);
    EXPECT_EQ(dc.GetTextExtent("").cx, 0);
}

TEST_F(DcFonts, DefaultFontIsTheSystemStandIn)
{
    CDC dc;
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight, 16);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
}

// ---------------------------------------------------------------------------
// TextOut and DrawText

TEST_F(DcText, OpaqueTextFillsExactlyItsCell)
{
    // draw returns the top-left corner of the text's cell for its extent; the
    // glyphs leave more black pixels on the background than glyphPixels.
    const struct {
        const char* name; int fontHeight; const char* text; COLORREF background; int glyphPixels;
        std::function<CPoint(CDC&, const CString&, CSize)> draw;
    } cases[] = {
        {"TextOut", 16, "Hello", RGB(255, 255, 0), 20,
         [](CDC& dc, const CString& text, CSize) { dc.TextOut(10, 10, text); return CPoint(10, 10); }},
        {"DrawText centred", 16, "A", kGreen, 10,
         [](CDC& dc, const CString& text, CSize extent) {
             CRect rc(0, 0, 100, 40);
             dc.DrawText(text, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
             return CPoint((100 - extent.cx) / 2, (40 - extent.cy) / 2);
         }},
        {"DrawText at the right and bottom, default font", 0, "x", kRed, 5,
         [](CDC& dc, const CString& text, CSize extent) {
             CRect rc(0, 0, 150, 100);
             dc.DrawText(text, &rc, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
             return CPoint(150 - extent.cx, 100 - extent.cy);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        image.fill(Qt::white);
        DcWithFont text(&image, c.fontHeight);
        CDC& dc = text.dc;
        dc.SetBkColor(c.background);
        const CSize size = dc.GetTextExtent(c.text);
        const CRect cell(c.draw(dc, c.text, size), size);
        dc.ReleasePainter();
        EXPECT_EQ(size.cy, 16);
        // The corners of the cell are background, the cell is exactly covered.
        const int l = cell.left, t = cell.top, r = cell.right - 1, b = cell.bottom - 1;
        ExpectPixels({{l, t, c.background}, {r, b, c.background},
                      {{l - 1, t}, {l - 1, b}, kWhite}, {{r + 1, t}, {r + 1, b}, kWhite},
                      {{l, t - 1}, {r, t - 1}, kWhite}, {{l, b + 1}, {r, b + 1}, kWhite}});
        EXPECT_EQ(CountNot(kWhite, 0, 0, 200, 200), size.cx * size.cy);
        EXPECT_GT(Count(kBlack, cell.left, cell.top, cell.right, cell.bottom), c.glyphPixels);
    }
}

TEST_F(DcText, TransparentTextOutDrawsOnlyGlyphsFromTheTopLeft)
{
    const struct { const char* name; int fontHeight; const char* text; COLORREF color; CPoint at; } cases[] = {
        {"default font", 0, "Hello", kBlue, CPoint(10, 10)},
        {"a larger font", 20, "H", kBlack, CPoint(50, 100)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        image.fill(Qt::white);
        DcWithFont text(&image, c.fontHeight);
        CDC& dc = text.dc;
        dc.SetBkMode(TRANSPARENT);
        dc.SetBkColor(RGB(255, 255, 0));
        dc.SetTextColor(c.color);
        dc.TextOut(c.at.x, c.at.y, c.text);
        dc.ReleasePainter();
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        EXPECT_EQ(Count(RGB(255, 255, 0), 0, 0, 200, 200), 0);
        EXPECT_GT(Count(c.color, 0, 0, 200, 200), 10);
        const QRect ink = InkBox(image, image.rect(), qRgb(255, 255, 255));
        // The cap height starts a few pixels below the top (internal leading)
        // and the glyphs' foot stands on the baseline, at top + ascent.
        EXPECT_GE(ink.top(), c.at.y);
        EXPECT_LE(ink.top(), c.at.y + 6);
        EXPECT_NEAR(ink.bottom() + 1, c.at.y + tm.tmAscent, 1);
        EXPECT_LE(ink.bottom(), c.at.y + tm.tmHeight);
        EXPECT_GE(ink.left(), c.at.x);
        EXPECT_LE(ink.left(), c.at.x + 3);
    }
}

TEST_F(DcText, DrawTextCentresOnOneLine)
{
    DcWithFont text(&image, 16);
    CDC& dc = text.dc;
    dc.SetBkMode(TRANSPARENT);
    CRect rc(40, 40, 140, 100);
    const int height = dc.DrawText("C#", &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.ReleasePainter();
    EXPECT_EQ(rc, CRect(40, 40, 140, 100));
    const CSize size = dc.GetTextExtent("C#");
    EXPECT_EQ(height, (60 - size.cy) / 2 + size.cy); // offset from the top to the text's bottom
    const QRect ink = InkBox(image, image.rect(), qRgb(255, 255, 255));
    ASSERT_FALSE(ink.isEmpty());
    const double cx = (ink.left() + ink.right() + 1) / 2.0;
    EXPECT_NEAR(cx, 90, 2);
    // The cell starts at 40 + (60 - 16) / 2 = 62.
    EXPECT_GE(ink.top(), 62);
    EXPECT_LE(ink.bottom(), 62 + 16);
}

TEST_F(DcText, DrawTextWordBreakWrapsLines)
{
    DcWithFont text(&image, 16);
    CDC& dc = text.dc;
    const CString caption = "Click the fingerboard then the card to see the note name of the stop!";
    CRect calc(0, 0, 180, 0);
    const int height = dc.DrawText(caption, &calc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height % 16, 0);
    EXPECT_GE(height, 3 * 16);
    EXPECT_EQ(calc.bottom, height);
    EXPECT_LE(calc.right, 180);
    EXPECT_GT(calc.right, 100);
    EXPECT_EQ(CountNot(kWhite, 0, 0, 200, 200), 0); // DT_CALCRECT draws nothing

    dc.SetBkMode(TRANSPARENT);
    CRect rc(0, 0, 180, 200);
    EXPECT_EQ(dc.DrawText(caption, &rc, DT_WORDBREAK), height);
    dc.ReleasePainter();
    const QRect ink = InkBox(image, image.rect(), qRgb(255, 255, 255));
    EXPECT_LE(ink.right(), 179);
    EXPECT_GT(ink.bottom(), height - 16);
    EXPECT_LE(ink.bottom(), height);

    // The same text on one line is one line high and wider than the box.
    CRect one(0, 0, 180, 0);
    EXPECT_EQ(dc.DrawText(caption, &one, DT_SINGLELINE | DT_CALCRECT), 16);
    EXPECT_GT(one.right, 180);
}

TEST_F(DcText, DrawTextMeasuresLinesWordsAndPrefixes)
{
    // widest: the widest line as it is shown.
    const struct { const char* text; int width; UINT format; int lines; const char* widest; } cases[] = {
        {"Prestissimo Adagio", 10, DT_WORDBREAK, 2, "Prestissimo"}, // a long word stays whole
        {"one\ntwo\r\nthree", 500, 0, 3, "three"},
        {"&Play", 500, DT_SINGLELINE, 1, "Play"},
        {"&Play", 500, DT_SINGLELINE | DT_NOPREFIX, 1, "&Play"},
    };
    CDC dc;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CRect calc(0, 0, c.width, 0);
        EXPECT_EQ(dc.DrawText(c.text, &calc, c.format | DT_CALCRECT), c.lines * 16);
        EXPECT_EQ(calc.bottom, c.lines * 16);
        EXPECT_EQ(calc.right, dc.GetTextExtent(c.widest).cx);
    }
}
