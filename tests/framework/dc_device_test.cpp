// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDC on other devices: high-DPI backing images, PDF pages, busy devices.
#include "framework/dc.h"
#include "framework/dc_test_util.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

using namespace dctest;

using DcDevices = DcTest;

TEST_F(DcDevices, HighDpiImageKeepsLogicalPixels)
{
    QImage hidpi(200, 200, QImage::Format_RGB32); // 100 x 100 logical pixels
    hidpi.setDevicePixelRatio(2.0);
    hidpi.fill(Qt::white);
    CDC dc(&hidpi);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 100);
    CBrush red(kRed);
    dc.SelectObject(&red);
    dc.Rectangle(10, 10, 20, 20);
    dc.MoveTo(0, 50);
    dc.LineTo(50, 50);
    dc.TextOut(0, 70, "Key: C");
    ExpectPixelsOf([&dc](int x, int y) { return dc.GetPixel(x, y); },
                   {{10, 10, kBlack}, {15, 15, kRed}, {20, 15, kWhite}, {49, 50, kBlack}, {50, 50, kWhite},
                    {100, 0, CLR_INVALID}});
    dc.ReleasePainter();
    // One logical pixel is two by two device pixels.
    dctest::ExpectPixels(hidpi,
                         {{20, 20, kBlack}, {21, 21, kBlack}, {22, 22, kRed}, {39, 39, kBlack}, {40, 39, kWhite}});
}

TEST_F(DcDevices, PdfPageInLoEnglish)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("page.pdf");
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        CDC dc(&writer);
        dc.SetPrinting(TRUE);
        dc.SetMapMode(MM_LOENGLISH);
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 600);
        EXPECT_EQ(dc.LPtoDP(CPoint(100, -150)), CPoint(600, 900));
        CFont title;
        title.CreateFont(30, FW_BOLD, "Arial");
        CFont* old = dc.SelectObject(&title);
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        EXPECT_NEAR(tm.tmHeight, 30, 1);
        dc.TextOut(200, 0, "Melody");
        CPen pen(PS_SOLID, 2, kBlack);
        CBrush brush(kBlack);
        dc.SelectObject(&pen);
        for (int k = 0; k < 5; ++k) {
            dc.MoveTo(0, -150 - 20 * k);
            dc.LineTo(750, -150 - 20 * k);
        }
        dc.SelectObject(&brush);
        dc.Ellipse(150, -169, 175, -150);
        const CPoint rest[] = {{2, -20}, {11, -31}, {6, -41}, {13, -50}, {11, -50}, {8, -52}};
        dc.Polygon(rest, 6);
        dc.SelectObject(old);
        EXPECT_NE(dc.GetPainter(), nullptr);
        dc.ReleasePainter();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);
}

TEST_F(DcDevices, BusyDeviceIsLeftAlone)
{
    // A painter that is not a device context's keeps the image; the device
    // context skips its drawing instead of provoking a QPainter warning.
    CDC dc(&image);
    {
        QPainter foreign(&image);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        dc.FillSolidRect(CRect(0, 0, 10, 10), kRed);
        qInstallMessageHandler(PainterMessageHandler);
        foreign.fillRect(QRect(20, 0, 10, 10), Qt::blue);
    }
    dc.FillSolidRect(CRect(40, 0, 50, 10), kRed);
    dc.ReleasePainter();
    ExpectPixels({{5, 5, kWhite}, {25, 5, kBlue}, {45, 5, kRed}});
}

TEST_F(DcDevices, NullImageDrawsNothing)
{
    QImage none;
    CDC dc(&none);
    dc.Rectangle(0, 0, 10, 10);
    dc.TextOut(0, 0, "nothing");
    EXPECT_EQ(dc.GetPixel(0, 0), CLR_INVALID);
    EXPECT_EQ(dc.GetPainter(), nullptr);
}
