// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CBitmap and the bitmap calls of CDC: memory device contexts and BitBlt.
#include "framework/dc.h"
#include "framework/dc_test_util.h"

#include <QFile>
#include <QTemporaryDir>

using namespace dctest;

using DcBitmaps = DcTest;

namespace {

QImage Solid(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

} // namespace

TEST_F(DcBitmaps, LoadSvgRendersAtItsOwnSize)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("TEST.svg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="63" height="39" viewBox="0 0 63 39">
  <rect x="0" y="0" width="63" height="39" fill="#c0c0c0"/>
  <rect x="10" y="10" width="20" height="10" fill="#0000ff"/>
</svg>)");
    file.close();

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadSvg(path));
    EXPECT_TRUE(bitmap.IsLoaded());
    EXPECT_EQ(bitmap.GetSize(), CSize(63, 39));
    EXPECT_EQ(bitmap.GetImage().format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(bitmap.GetImage().pixel(15, 15), qRgb(0, 0, 255));
    EXPECT_EQ(bitmap.GetImage().pixel(1, 1), qRgb(192, 192, 192));

    CDC dc(&image);
    dc.DrawBitmap(100, 100, bitmap);
    dc.ReleasePainter();
    ExpectPixels({{100, 100, RGB(192, 192, 192)}, {115, 115, kBlue}, {162, 138, RGB(192, 192, 192)},
                  {163, 138, kWhite}, {162, 139, kWhite}});
}

TEST_F(DcBitmaps, MissingResourceLeavesTheBitmapUnloaded)
{
    CBitmap bitmap;
    bitmap.SetImage(Solid(4, 4, Qt::red));
    EXPECT_FALSE(bitmap.LoadBitmap("NO_SUCH_BITMAP_ANYWHERE"));
    EXPECT_FALSE(bitmap.IsLoaded());
    EXPECT_EQ(bitmap.GetSize(), CSize(0, 0));
    EXPECT_FALSE(bitmap.LoadBitmap(UINT(987654)));
    EXPECT_FALSE(bitmap.IsLoaded());

    QTemporaryDir dir;
    const QString path = dir.filePath("broken.svg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not an svg");
    file.close();
    EXPECT_FALSE(bitmap.LoadSvg(path));
    EXPECT_FALSE(bitmap.IsLoaded());
}

TEST_F(DcBitmaps, BitBltFromAMemoryDeviceContext)
{
    CBitmap picture;
    QImage source = Solid(20, 10, Qt::red);
    for (int x = 10; x < 20; ++x)
        for (int y = 0; y < 10; ++y)
            source.setPixel(x, y, qRgb(0, 0, 255));
    picture.SetImage(source);

    CDC dc(&image);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&dc));
    CBitmap* old = memory.SelectObject(&picture);
    EXPECT_EQ(old, nullptr);
    EXPECT_TRUE(dc.BitBlt(0, 0, 20, 10, &memory, 0, 0, SRCCOPY));
    EXPECT_TRUE(dc.BitBlt(50, 50, 5, 5, &memory, 12, 3, SRCCOPY)); // a part of it
    EXPECT_EQ(memory.SelectObject(old), &picture);
    dc.ReleasePainter();
    ExpectPixels({{0, 0, kRed}, {9, 9, kRed}, {10, 0, kBlue}, {19, 9, kBlue}, {20, 0, kWhite}, {0, 10, kWhite},
                  {55, 50, kWhite}, {50, 55, kWhite}});
    EXPECT_EQ(Count(kBlue, 50, 50, 55, 55), 25);
    // Without a bitmap selected there is nothing to copy.
    EXPECT_FALSE(dc.BitBlt(0, 0, 5, 5, &memory, 0, 0, SRCCOPY));
}

TEST_F(DcBitmaps, DrawingOnTheSelectedBitmap)
{
    CBitmap canvas;
    canvas.SetImage(Solid(30, 30, Qt::white));
    CDC screen(&image);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    memory.SelectObject(&canvas);
    memory.MoveTo(0, 5);
    memory.LineTo(30, 5);
    EXPECT_EQ(memory.GetPixel(3, 5), kBlack);
    screen.BitBlt(100, 100, 30, 30, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(static_cast<CBitmap*>(nullptr)); // ends the painter on the bitmap
    screen.ReleasePainter();
    EXPECT_EQ(canvas.GetImage().pixel(29, 5), qRgb(0, 0, 0));
    ExpectPixels({{129, 105, kBlack}, {129, 106, kWhite}});
}

TEST_F(DcBitmaps, SelectingABitmapNeedsAMemoryDeviceContext)
{
    CBitmap bitmap;
    bitmap.SetImage(Solid(4, 4, Qt::red));
    CDC dc(&image);
    EXPECT_EQ(dc.SelectObject(&bitmap), nullptr);
    EXPECT_EQ(dc.GetDevice(), &image);
}

TEST_F(DcBitmaps, RecorderKeepsBitmapCalls)
{
    std::vector<GdiCall> calls;
    CBitmap bitmap;
    bitmap.SetImage(Solid(63, 39, Qt::gray));
    CDC dc;
    dc.SetRecorder(&calls);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    memory.SelectObject(&bitmap);
    dc.BitBlt(1, 2, 63, 39, &memory, 0, 0, SRCCOPY);
    dc.DrawBitmap(60, 50, bitmap);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].op, "BitBlt");
    EXPECT_EQ(calls[0].args, (std::vector<int>{1, 2, 63, 39, 0, 0}));
    EXPECT_EQ(calls[1].op, "DrawBitmap");
    EXPECT_EQ(calls[1].args, (std::vector<int>{60, 50, 63, 39}));
}
