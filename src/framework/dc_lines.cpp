// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDC: lines, polylines and polygons, with the dash patterns of styled pens.
#include "framework/dc_raster.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

using dcraster::ToQColor;

// ---------------------------------------------------------------------------
// Lines

namespace {

// Runs of pixels of one colour in a row or a column, filled as rectangles.
class PixelRuns {
public:
    explicit PixelRuns(QPainter* painter) : m_painter(painter) {}
    ~PixelRuns() { Flush(); }
    void Plot(int x, int y, const QColor* color)
    {
        if (!color) {
            Flush();
            return;
        }
        if (m_color == color && !m_rect.isEmpty()) {
            if (m_rect.height() == 1 && y == m_rect.top() && (x == m_rect.right() + 1 || x == m_rect.left() - 1)) {
                m_rect = m_rect.united(QRect(x, y, 1, 1));
                return;
            }
            if (m_rect.width() == 1 && x == m_rect.left() && (y == m_rect.bottom() + 1 || y == m_rect.top() - 1)) {
                m_rect = m_rect.united(QRect(x, y, 1, 1));
                return;
            }
        }
        Flush();
        m_rect = QRect(x, y, 1, 1);
        m_color = color;
    }
    void Flush()
    {
        if (m_color && !m_rect.isEmpty())
            m_painter->fillRect(m_rect, *m_color);
        m_rect = QRect();
        m_color = nullptr;
    }

private:
    QPainter* m_painter;
    QRect m_rect;
    const QColor* m_color = nullptr;
};

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

// The pixels from one corner to the other, both included.
QRect PixelSpan(CPoint a, CPoint b)
{
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x), std::max(a.y, b.y)));
}

// Dash patterns of 1-pixel styled pens, in pixels: on, off, on, off, ...
const std::vector<int>& DashPattern(int style)
{
    static const std::vector<int> solid;
    static const std::vector<int> dash{18, 6};
    static const std::vector<int> dot{3, 3};
    static const std::vector<int> dashDot{9, 6, 3, 6};
    switch (style) {
    case PS_DASH: return dash;
    case PS_DOT: return dot;
    case PS_DASHDOT: return dashDot;
    default: return solid;
    }
}

// The colour of each pixel of a 1-pixel line with its pen's dash pattern:
// the pen's colour, the background's in the gaps of an opaque line, none in
// the gaps of a transparent one.
class DashColours {
public:
    DashColours(int penStyle, COLORREF pen, COLORREF background, bool opaque)
        : m_pattern(DashPattern(penStyle)), m_fg(ToQColor(pen)), m_bg(ToQColor(background)), m_opaque(opaque)
    {
        for (int v : m_pattern)
            m_period += v;
    }
    bool Patterned() const { return m_period > 0; }
    // The colour of the pixel at a position of the pattern.
    const QColor* At(int position) const
    {
        if (m_period == 0)
            return &m_fg;
        int pos = position % m_period;
        size_t k = 0;
        while (pos >= m_pattern[k]) {
            pos -= m_pattern[k];
            ++k;
        }
        if (k % 2 == 0)
            return &m_fg;
        return m_opaque ? &m_bg : nullptr;
    }

private:
    const std::vector<int>& m_pattern;
    int m_period = 0;
    QColor m_fg;
    QColor m_bg;
    bool m_opaque;
};

// Strips of one colour across a line, one image pixel along it, merged
// along the line while they stay the same; filled in device units.
class FineStrips {
public:
    FineStrips(QPainter* painter, double ratio, bool xMajor) : m_painter(painter), m_ratio(ratio), m_xMajor(xMajor) {}
    ~FineStrips() { Flush(); }
    // The strip at `along` covering [from, to) across the line.
    void Add(int along, int from, int to, const QColor* color)
    {
        if (color && color == m_color && from == m_from && to == m_to && along == m_end) {
            ++m_end;
            return;
        }
        Flush();
        m_color = color;
        m_start = along;
        m_end = along + 1;
        m_from = from;
        m_to = to;
    }

private:
    void Flush()
    {
        if (!m_color || m_to <= m_from)
            return;
        const QRect rc = m_xMajor ? QRect(m_start, m_from, m_end - m_start, m_to - m_from)
                                  : QRect(m_from, m_start, m_to - m_from, m_end - m_start);
        m_painter->fillRect(dcraster::UnitsOfImageRect(rc, m_ratio), *m_color);
        m_color = nullptr;
    }

    QPainter* m_painter;
    double m_ratio;
    bool m_xMajor;
    const QColor* m_color = nullptr;
    int m_start = 0;
    int m_end = 0;
    int m_from = 0;
    int m_to = 0;
};

// Polygon corners on a finer image are placed in steps of this fraction of
// an image pixel (exactly at the ratios of HiDPI screens: 1.25, 1.5, 2 ...).
constexpr int kFineCornerSteps = 64;

} // namespace

void CDC::DrawDeviceLine(CPoint a, CPoint b)
{
    const DashColours colours(m_pen->Style(), m_pen->Color(), m_bkColor, m_bkMode == OPAQUE);
    if (a == b)
        return;
    MarkDrawn(PixelSpan(a, b));
    if (!colours.Patterned() && (a.x == b.x || a.y == b.y)) {
        // A solid line along a row or a column is one run of pixels.
        m_painter->fillRect(PixelSpan(a, CPoint(b.x - Sign(b.x - a.x), b.y - Sign(b.y - a.y))),
                            *colours.At(m_styleCount));
        return;
    }
    PixelRuns runs(m_painter.get());
    int x = a.x;
    int y = a.y;
    const int dx = std::abs(b.x - a.x);
    const int sx = a.x < b.x ? 1 : -1;
    const int dy = -std::abs(b.y - a.y);
    const int sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    while (x != b.x || y != b.y) {
        runs.Plot(x, y, colours.At(m_styleCount));
        if (colours.Patterned())
            ++m_styleCount;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void CDC::DrawFineLine(CPoint a, CPoint b, double ratio)
{
    MarkDrawn(PixelSpan(a, b));
    // The line covers the same device units along its longer axis as at one
    // image pixel a unit (from a up to, not including, b); across it, one
    // unit centred on the exact line through the units' centres, so that
    // its steps are image pixels rather than units.
    const bool xMajor = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    const int along0 = xMajor ? a.x : a.y;
    const int across0 = xMajor ? a.y : a.x;
    const int length = (xMajor ? b.x : b.y) - along0;
    const int rise = (xMajor ? b.y : b.x) - across0;
    if (length == 0)
        return;
    const int step = length > 0 ? 1 : -1;
    const int firstUnit = step > 0 ? along0 : along0 + length + 1;
    const int endUnit = step > 0 ? along0 + length : along0 + 1;
    const DashColours colours(m_pen->Style(), m_pen->Color(), m_bkColor, m_bkMode == OPAQUE);
    FineStrips strips(m_painter.get(), ratio, xMajor);
    const int first = dcraster::ImageEdge(firstUnit, ratio);
    const int end = dcraster::ImageEdge(endUnit, ratio);
    for (int k = 0; k < end - first; ++k) {
        // From the start point onwards, so that dashes run in the line's direction.
        const int pixel = step > 0 ? first + k : end - 1 - k;
        const double along = (pixel + 0.5) / ratio;
        const int unit = std::clamp(int(std::floor(along)), firstUnit, endUnit - 1);
        const double across = across0 + 0.5 + (along - along0 - 0.5) * rise / length;
        strips.Add(pixel, dcraster::ImageEdge(across - 0.5, ratio), dcraster::ImageEdge(across + 0.5, ratio),
                   colours.At(m_styleCount + std::abs(unit - along0)));
    }
    if (colours.Patterned())
        m_styleCount += std::abs(length);
}

void CDC::DrawWideSegments(const std::vector<CPoint>& pts, bool closed, int width, COLORREF color)
{
    const size_t n = pts.size();
    if (n < 2)
        return;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const double half = width / 2.0;
    const bool odd = (width % 2) == 1;

    // Every piece is added clockwise (in device space, y down) so that the
    // winding fill unites them.
    auto addPolygon = [&path](QPolygonF poly) {
        double area = 0;
        for (int i = 0; i < poly.size(); ++i) {
            const QPointF& p = poly[i];
            const QPointF& q = poly[(i + 1) % poly.size()];
            area += p.x() * q.y() - q.x() * p.y();
        }
        if (area < 0)
            std::reverse(poly.begin(), poly.end());
        path.addPolygon(poly);
        path.closeSubpath();
    };
    auto addSquare = [&](CPoint v) {
        const double c = odd ? 0.5 : 0.0;
        const double x0 = v.x + c - half;
        const double y0 = v.y + c - half;
        addPolygon(QPolygonF(QRectF(x0, y0, width, width)).mid(0, 4));
    };

    const size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
        const CPoint a = pts[i];
        const CPoint b = pts[(i + 1) % n];
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double len = std::hypot(dx, dy);
        if (len <= 0)
            continue;
        const double ux = dx / len;
        const double uy = dy / len;
        // Odd widths centre the band on the pixel centres across the line.
        double ox = 0;
        double oy = 0;
        if (odd) {
            const double dot = 0.5 * ux + 0.5 * uy;
            ox = 0.5 - dot * ux;
            oy = 0.5 - dot * uy;
        }
        const double nx = -uy * half;
        const double ny = ux * half;
        QPolygonF quad;
        quad << QPointF(a.x + ox + nx, a.y + oy + ny) << QPointF(b.x + ox + nx, b.y + oy + ny)
             << QPointF(b.x + ox - nx, b.y + oy - ny) << QPointF(a.x + ox - nx, a.y + oy - ny);
        addPolygon(quad);
    }
    // Joins: a square of the pen's width on every inner vertex.
    for (size_t i = closed ? 0 : 1; i < (closed ? n : n - 1); ++i)
        addSquare(pts[i]);

    ApplyPen(QPen(Qt::NoPen));
    ApplyBrush(QBrush(ToQColor(color)));
    m_painter->drawPath(path);
    MarkDrawn(path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1));
}

CPoint CDC::MoveTo(int x, int y)
{
    if (m_record)
        Record("MoveTo", {x, y});
    const CPoint old = m_pos;
    m_pos = CPoint(x, y);
    m_styleCount = 0;
    return old;
}

BOOL CDC::LineTo(int x, int y)
{
    if (m_record)
        Record("LineTo", {x, y});
    const CPoint from = m_pos;
    m_pos = CPoint(x, y);
    if (m_pen->Style() == PS_NULL || !Painter())
        return TRUE;
    if (DrawsVectors()) {
        VectorLine(from, m_pos);
        return TRUE;
    }
    const CPoint a = LPtoDP(from);
    const CPoint b = LPtoDP(m_pos);
    const int width = DevicePenWidth(*m_pen);
    if (width == 1)
        DrawDeviceLine(a, b);
    else
        DrawWideSegments({a, b}, false, width, m_pen->Color());
    return TRUE;
}

void CDC::RecordPoints(const char* op, const CPoint* points, int count)
{
    if (!m_record)
        return;
    std::vector<int> args;
    args.reserve(size_t(count) * 2);
    for (int i = 0; i < count; ++i) {
        args.push_back(points[i].x);
        args.push_back(points[i].y);
    }
    Record(op, std::move(args));
}

BOOL CDC::Polyline(const CPoint* points, int count)
{
    if (!points || count < 2)
        return FALSE;
    RecordPoints("Polyline", points, count);
    if (m_pen->Style() == PS_NULL || !Painter())
        return TRUE;
    if (DrawsVectors()) {
        VectorPolygon(points, count, false);
        return TRUE;
    }
    std::vector<CPoint> dev(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        dev[size_t(i)] = LPtoDP(points[i]);
    const int width = DevicePenWidth(*m_pen);
    if (width == 1) {
        for (size_t i = 0; i + 1 < dev.size(); ++i)
            DrawDeviceLine(dev[i], dev[i + 1]);
    } else {
        DrawWideSegments(dev, false, width, m_pen->Color());
    }
    return TRUE;
}

void CDC::FillPolygonInside(const std::vector<CPoint>& points)
{
    const bool winding = m_polyFillMode == WINDING;
    const double ratio = ImagePixelRatio();
    if (ratio == 1.0) {
        for (const QRect& row : dcraster::PolygonInsideRows(points, winding))
            FillDeviceRect(row, *m_brush);
        return;
    }
    // On a finer image the corners stay on the centres of their units and
    // the inside is found among the image's own pixels.
    std::vector<CPoint> fine(points.size());
    auto centre = [ratio](int unit) { return qRound(((unit + 0.5) * ratio - 0.5) * kFineCornerSteps); };
    for (size_t i = 0; i < points.size(); ++i)
        fine[i] = CPoint(centre(points[i].x), centre(points[i].y));
    const QBrush brush = QtBrush(*m_brush);
    for (const QRect& row : dcraster::PolygonInsideRows(fine, winding, kFineCornerSteps))
        m_painter->fillRect(dcraster::UnitsOfImageRect(row, ratio), brush);
}

BOOL CDC::Polygon(const CPoint* points, int count)
{
    if (!points || count < 2)
        return FALSE;
    RecordPoints("Polygon", points, count);
    if (!Painter())
        return TRUE;
    if (DrawsVectors()) {
        VectorPolygon(points, count, true);
        return TRUE;
    }
    std::vector<CPoint> dev(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        dev[size_t(i)] = LPtoDP(points[i]);
    if (m_brush->GetKind() != CBrush::Null)
        FillPolygonInside(dev);
    if (m_pen->Style() != PS_NULL) {
        const int width = DevicePenWidth(*m_pen);
        if (width == 1) {
            const int saved = m_styleCount;
            m_styleCount = 0;
            const double ratio = ImagePixelRatio();
            for (size_t i = 0; i < dev.size(); ++i) {
                if (ratio != 1.0)
                    DrawFineLine(dev[i], dev[(i + 1) % dev.size()], ratio);
                else
                    DrawDeviceLine(dev[i], dev[(i + 1) % dev.size()]);
            }
            m_styleCount = saved;
        } else {
            DrawWideSegments(dev, true, width, m_pen->Color());
        }
    }
    return TRUE;
}
