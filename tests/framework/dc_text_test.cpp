// CFont and the text calls of CDC.
#include "framework/dc.h"
#include "framework/dc_test_util.h"

#include <QFontInfo>
#include <QFontMetrics>

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
// TextOut

TEST_F(DcText, TextOutOpaqueFillsTheCell)
{
    CDC dc(&image);
    CFont font;
    font.CreateFont(16, FW_BOLD, "Arial");
    dc.SelectObject(&font);
    dc.SetBkColor(RGB(255, 255, 0));
    dc.TextOut(10, 10, "Hello");
    dc.ReleasePainter();
    const CSize size = dc.GetTextExtent("Hello");
    EXPECT_EQ(size.cy, 16);
    // The top-left corner of the cell is background, the cell is exactly covered.
    EXPECT_EQ(Px(10, 10), RGB(255, 255, 0));
    EXPECT_EQ(Px(10 + size.cx - 1, 10 + size.cy - 1), RGB(255, 255, 0));
    EXPECT_EQ(CountNot(kWhite, 0, 0, 200, 200), size.cx * size.cy);
    EXPECT_EQ(Px(9, 10), kWhite);
    EXPECT_EQ(Px(10, 9), kWhite);
    EXPECT_EQ(Px(10 + size.cx, 10), kWhite);
    EXPECT_EQ(Px(10, 10 + size.cy), kWhite);
    EXPECT_GT(Count(kBlack, 10, 10, 10 + size.cx, 10 + size.cy), 20);
}

TEST_F(DcText, TextOutTransparentDrawsOnlyGlyphs)
{
    CDC dc(&image);
    dc.SetBkColor(RGB(255, 255, 0));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kBlue);
    dc.TextOut(10, 10, "Hello");
    dc.ReleasePainter();
    EXPECT_EQ(Count(RGB(255, 255, 0), 0, 0, 200, 200), 0);
    EXPECT_GT(Count(kBlue, 0, 0, 200, 200), 10);
    const QRect ink = InkBox(image, image.rect(), qRgb(255, 255, 255));
    EXPECT_GE(ink.top(), 10);
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.bottom(), 10 + 16);
}

TEST_F(DcText, TextOutAnchorsAtTheTopLeft)
{
    CDC dc(&image);
    CFont font;
    font.CreateFont(20, FW_BOLD, "Arial");
    dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(50, 100, "H");
    dc.ReleasePainter();
    const QRect ink = InkBox(image, image.rect(), qRgb(255, 255, 255));
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    // The cap height of H starts a few pixels below the top (internal leading)
    // and its foot stands on the baseline, at top + ascent.
    EXPECT_GE(ink.top(), 100);
    EXPECT_LE(ink.top(), 100 + 6);
    EXPECT_NEAR(ink.bottom() + 1, 100 + tm.tmAscent, 1);
    EXPECT_GE(ink.left(), 50);
    EXPECT_LE(ink.left(), 53);
}

// ---------------------------------------------------------------------------
// DrawText

TEST_F(DcText, DrawTextCentresOnOneLine)
{
    CDC dc(&image);
    CFont font;
    font.CreateFont(16, FW_BOLD, "Arial");
    dc.SelectObject(&font);
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

TEST_F(DcText, DrawTextOpaqueFillsOnlyTheTextCell)
{
    CDC dc(&image);
    CFont font;
    font.CreateFont(16, FW_BOLD, "Arial");
    dc.SelectObject(&font);
    dc.SetBkColor(kGreen);
    CRect rc(0, 0, 100, 40);
    dc.DrawText("A", &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.ReleasePainter();
    const CSize size = dc.GetTextExtent("A");
    EXPECT_EQ(CountNot(kWhite, 0, 0, 200, 200), size.cx * size.cy);
    EXPECT_EQ(Px((100 - size.cx) / 2, (40 - size.cy) / 2), kGreen);
}

TEST_F(DcText, DrawTextWordBreakWrapsLines)
{
    CDC dc(&image);
    CFont font;
    font.CreateFont(16, FW_BOLD, "Arial");
    dc.SelectObject(&font);
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

TEST_F(DcText, DrawTextKeepsLongWordsWholeAndHonoursNewlines)
{
    CDC dc;
    CRect calc(0, 0, 10, 0);
    const int height = dc.DrawText("Prestissimo Adagio", &calc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height, 2 * 16);
    EXPECT_EQ(calc.right, dc.GetTextExtent("Prestissimo").cx); // widened to the longest word
    CRect lines(0, 0, 500, 0);
    EXPECT_EQ(dc.DrawText("one\ntwo\r\nthree", &lines, DT_CALCRECT), 3 * 16);
    CRect prefix(0, 0, 500, 0);
    dc.DrawText("&Play", &prefix, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(prefix.right, dc.GetTextExtent("Play").cx);
    CRect noPrefix(0, 0, 500, 0);
    dc.DrawText("&Play", &noPrefix, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(noPrefix.right, dc.GetTextExtent("&Play").cx);
}

TEST_F(DcText, DrawTextRightAndBottom)
{
    CDC dc(&image);
    dc.SetBkColor(kRed);
    CRect rc(0, 0, 150, 100);
    dc.DrawText("x", &rc, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    dc.ReleasePainter();
    const CSize size = dc.GetTextExtent("x");
    EXPECT_EQ(Px(149, 99), kRed);
    EXPECT_EQ(Px(150 - size.cx, 100 - size.cy), kRed);
    EXPECT_EQ(Px(150 - size.cx - 1, 99), kWhite);
}
