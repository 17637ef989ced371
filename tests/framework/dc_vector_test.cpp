// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDC on a device that is no image (a printer, a PDF): every line, polygon
// and shape reaches the paint engine whole, in device units, not as pixels.
#include "framework/dc.h"

#include <QPaintEngine>
#include <QPaintDevice>
#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kDpi = 1200;

// Keeps what the painter asks of it.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& newState) override
    {
        if (newState.state() & DirtyPen)
            penWidth = newState.pen().widthF();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawRects(const QRectF*, int count) override { rects += count; }
    void drawRects(const QRect*, int count) override { rects += count; }
    void drawLines(const QLineF* drawn, int count) override { lines.insert(lines.end(), drawn, drawn + count); }
    void drawLines(const QLine* drawn, int count) override
    {
        for (int i = 0; i < count; ++i)
            lines.emplace_back(drawn[i]);
    }
    void drawEllipse(const QRectF& box) override { ellipses.push_back(box); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override
    {
        polygons.emplace_back(points, points + count);
    }
    void drawPath(const QPainterPath&) override { ++paths; }
    Type type() const override { return User; }

    double penWidth = 0;
    int rects = 0;
    int paths = 0;
    std::vector<QLineF> lines;
    std::vector<QRectF> ellipses;
    std::vector<std::vector<QPointF>> polygons;
};

// Eight by ten inches at 1200 dots an inch.
class VectorDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return 8 * kDpi;
        case PdmHeight: return 10 * kDpi;
        case PdmWidthMM: return 203;
        case PdmHeightMM: return 254;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return kDpi;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
        }
    }
};

TEST(DcVector, PrinterPagesGetWholeLinesShapesAndPolygonsInDeviceUnits)
{
    VectorDevice device;
    {
        CDC dc(&device);
        dc.SetMapMode(MM_LOENGLISH);
        CPen pen(PS_SOLID, 2, RGB(0, 0, 0));
        CBrush black(RGB(0, 0, 0));
        dc.SelectObject(&pen);
        dc.SelectObject(&black);
        dc.MoveTo(0, -150);
        dc.LineTo(800, -170);
        dc.Ellipse(150, -210, 175, -191);
        const CPoint triangle[] = {{10, -10}, {20, -30}, {0, -30}};
        dc.Polygon(triangle, 3);
        dc.Rectangle(100, -100, 200, -200);
    }
    const RecordingEngine& engine = device.engine;
    EXPECT_DOUBLE_EQ(engine.penWidth, 24.0) << "2 hundredths of an inch";
    ASSERT_EQ(engine.lines.size(), 1u);
    EXPECT_EQ(engine.lines[0], QLineF(0, 1800, 9600, 2040));
    ASSERT_EQ(engine.ellipses.size(), 1u);
    EXPECT_EQ(engine.ellipses[0], QRectF(1800, 2292, 300, 228));
    ASSERT_EQ(engine.polygons.size(), 1u);
    EXPECT_EQ(engine.polygons[0], (std::vector<QPointF>{{120, 120}, {240, 360}, {0, 360}}));
    EXPECT_EQ(engine.rects, 1) << "the rectangle, and no pixel runs";
    EXPECT_EQ(engine.paths, 0);
}

} // namespace
