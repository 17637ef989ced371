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

} // namespace

void CDC::DrawDeviceLine(CPoint a, CPoint b)
{
    const QColor fg = ToQColor(m_pen->Color());
    const QColor bg = ToQColor(m_bkColor);
    const std::vector<int>& pattern = DashPattern(m_pen->Style());
    int period = 0;
    for (int v : pattern)
        period += v;
    if (a == b)
        return;
    MarkDrawn(PixelSpan(a, b));
    if (period == 0 && (a.x == b.x || a.y == b.y)) {
        // A solid line along a row or a column is one run of pixels.
        m_painter->fillRect(PixelSpan(a, CPoint(b.x - Sign(b.x - a.x), b.y - Sign(b.y - a.y))), fg);
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
        const QColor* color = &fg;
        if (period > 0) {
            int pos = m_styleCount % period;
            size_t k = 0;
            while (pos >= pattern[k]) {
                pos -= pattern[k];
                ++k;
            }
            if (k % 2 == 1)
                color = m_bkMode == OPAQUE ? &bg : nullptr;
            ++m_styleCount;
        }
        runs.Plot(x, y, color);
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
    if (m_brush->GetKind() != CBrush::Null) {
        for (const QRect& row : dcraster::PolygonInsideRows(dev, m_polyFillMode == WINDING))
            FillDeviceRect(row, *m_brush);
    }
    if (m_pen->Style() != PS_NULL) {
        const int width = DevicePenWidth(*m_pen);
        if (width == 1) {
            const int saved = m_styleCount;
            m_styleCount = 0;
            for (size_t i = 0; i < dev.size(); ++i)
                DrawDeviceLine(dev[i], dev[(i + 1) % dev.size()]);
            m_styleCount = saved;
        } else {
            DrawWideSegments(dev, true, width, m_pen->Color());
        }
    }
    return TRUE;
}
