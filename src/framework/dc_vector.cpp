// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDC: vector output for printers, PDF files and preview pages. Lines,
// polygons and shapes go to the painter whole, in floating-point device
// units, instead of as the pixel spans drawn on images.
#include "framework/dc_raster.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>

#include <algorithm>
#include <cmath>

using dcraster::ToQColor;

namespace {

constexpr double kLoEnglishUnitsPerInch = 100.0;

Qt::PenStyle QtPenStyle(int style)
{
    switch (style) {
    case PS_DASH: return Qt::DashLine;
    case PS_DOT: return Qt::DotLine;
    case PS_DASHDOT: return Qt::DashDotLine;
    case PS_NULL: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

} // namespace

bool CDC::DrawsVectors() const
{
    return m_device && !DeviceImage();
}

QPointF CDC::VectorPoint(CPoint p) const
{
    if (m_mapMode == MM_LOENGLISH)
        return QPointF(p.x * DpiX() / kLoEnglishUnitsPerInch, -p.y * DpiY() / kLoEnglishUnitsPerInch);
    return QPointF(p.x, p.y);
}

QPen CDC::VectorPen() const
{
    if (m_pen->Style() == PS_NULL)
        return QPen(Qt::NoPen);
    // A pen of width 0 or 1 is at least one device pixel wide.
    double width = std::max(1, m_pen->Width());
    if (m_mapMode == MM_LOENGLISH)
        width = std::max(1.0, width * DpiX() / kLoEnglishUnitsPerInch);
    return QPen(QBrush(ToQColor(m_pen->Color())), width, QtPenStyle(m_pen->Style()), Qt::RoundCap,
                Qt::RoundJoin);
}

void CDC::VectorLine(CPoint from, CPoint to)
{
    ApplyPen(VectorPen());
    m_painter->drawLine(VectorPoint(from), VectorPoint(to));
}

void CDC::VectorPolygon(const CPoint* points, int count, bool closed)
{
    QPolygonF polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i)
        polygon << VectorPoint(points[i]);
    ApplyPen(VectorPen());
    if (!closed) {
        m_painter->drawPolyline(polygon);
        return;
    }
    ApplyBrush(count >= 3 ? QtBrush(*m_brush) : QBrush(Qt::NoBrush));
    m_painter->drawPolygon(polygon, m_polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
}

void CDC::VectorShape(ShapeKind kind, int l, int t, int r, int b, CSize corner)
{
    const QRectF box = QRectF(VectorPoint(CPoint(l, t)), VectorPoint(CPoint(r, b))).normalized();
    if (box.isEmpty())
        return;
    ApplyPen(VectorPen());
    ApplyBrush(QtBrush(*m_brush));
    switch (kind) {
    case ShapeKind::Rectangle:
        m_painter->drawRect(box);
        return;
    case ShapeKind::Ellipse:
        m_painter->drawEllipse(box);
        return;
    case ShapeKind::RoundRect: {
        // The corner is the size of a whole ellipse; Qt asks for its radii.
        const QPointF size = VectorPoint(CPoint(corner.cx, corner.cy)) - VectorPoint(CPoint(0, 0));
        m_painter->drawRoundedRect(box, std::abs(size.x()) / 2, std::abs(size.y()) / 2, Qt::AbsoluteSize);
        return;
    }
    }
}
