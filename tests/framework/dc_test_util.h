#pragma once
// Helpers of the device-context tests: a white test image, pixel access and
// a guard that fails the test on any QPainter warning.
#include "framework/dc.h"
#include "support/pixels.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace dctest {

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

    QImage image;

private:
    QtMessageHandler m_previous = nullptr;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

} // namespace dctest
