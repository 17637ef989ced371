// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDC: rectangles, ellipses and round rectangles rasterised as pixel spans,
// rectangle fills and single pixels.
#include "framework/dc_raster.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

using dcraster::MulDivRound;
using dcraster::ToQColor;

// ---------------------------------------------------------------------------
// Helpers

namespace {

// One row of a shape: pixels left..right (inclusive); empty when left > right.
struct RowSpan {
    int left;
    int right;
};

// Left inset of row j (0..ch-1) of the ellipse inscribed in a cw x ch box:
// a pixel belongs to the ellipse when its centre lies inside it. The middle
// row(s) always reach the box's sides and every row keeps its centre pixel(s).
int EllipseInset(int j, int cw, int ch)
{
    if (cw <= 2 || ch <= 2)
        return 0;
    const double cy = (ch - 1) / 2.0;
    const double dy = std::abs(j - cy);
    if (dy <= 0.5)
        return 0;
    const double a = cw / 2.0;
    const double b = ch / 2.0;
    const double q = dy / b;
    const double hw = q >= 1.0 ? 0.0 : a * std::sqrt(1.0 - q * q);
    const double cx = (cw - 1) / 2.0;
    const int inset = int(std::ceil(cx - hw - 1e-9));
    return std::clamp(inset, 0, (cw - 1) / 2);
}

// The rows of a box whose corners are rounded by the quarters of a
// corner.cx x corner.cy ellipse (the box's own size gives an ellipse).
void ShapeSpans(const CRect& box, CSize corner, std::vector<RowSpan>& rows)
{
    const int w = box.Width();
    const int h = box.Height();
    rows.clear();
    if (w <= 0 || h <= 0)
        return;
    const int cw = std::clamp(corner.cx, 0, w);
    const int ch = std::clamp(corner.cy, 0, h);
    rows.resize(size_t(h));
    const int half = ch / 2;
    for (int i = 0; i < h; ++i) {
        int inset = 0;
        if (cw > 0 && ch > 0) {
            if (i < half)
                inset = EllipseInset(i, cw, ch);
            else if (i >= h - half)
                inset = EllipseInset(i - (h - ch), cw, ch);
        }
        rows[size_t(i)] = RowSpan{box.left + inset, box.right - 1 - inset};
    }
}

// Collects row intervals and merges equal intervals of consecutive rows
// into rectangles, so a shape is filled with few calls.
class SpanMerger {
public:
    void Add(int y, int left, int right)
    {
        if (left > right)
            return;
        for (size_t i = 0; i < m_open.size(); ++i) {
            QRect& o = m_open[i];
            if (o.left() == left && o.right() == right && o.bottom() == y - 1) {
                QRect grown = o;
                grown.setBottom(y);
                m_next.push_back(grown);
                m_open.erase(m_open.begin() + long(i));
                return;
            }
        }
        m_next.push_back(QRect(QPoint(left, y), QPoint(right, y)));
    }
    void EndRow()
    {
        m_done.insert(m_done.end(), m_open.begin(), m_open.end());
        m_open.swap(m_next);
        m_next.clear();
    }
    const std::vector<QRect>& Finish()
    {
        EndRow();
        EndRow();
        return m_done;
    }

private:
    std::vector<QRect> m_open, m_next, m_done;
};

// A shape's pixels: its outline (the pen's) and its inside (the brush's).
struct ShapeBands {
    SpanMerger outline;
    SpanMerger inside;

    void EndRow()
    {
        outline.EndRow();
        inside.EndRow();
    }
};

// Row i of a shape drawn with a 1-pixel pen: a pixel is on the outline when
// one of its 4-neighbours is outside the shape.
void AddThinOutlineRow(const std::vector<RowSpan>& rows, int i, int y, ShapeBands& bands)
{
    const int last = int(rows.size()) - 1;
    const RowSpan s = rows[size_t(i)];
    int innerL = s.left + 1;
    int innerR = s.right - 1;
    if (i == 0 || i == last) {
        innerL = s.right + 1;
        innerR = s.right;
    } else {
        const RowSpan up = rows[size_t(i - 1)];
        const RowSpan down = rows[size_t(i + 1)];
        innerL = std::max({innerL, up.left, down.left});
        innerR = std::min({innerR, up.right, down.right});
    }
    if (innerL > innerR) {
        bands.outline.Add(y, s.left, s.right);
    } else {
        bands.outline.Add(y, s.left, innerL - 1);
        bands.outline.Add(y, innerR + 1, s.right);
        bands.inside.Add(y, innerL, innerR);
    }
}

// A shape without a pen (all inside) or with a 1-pixel pen.
void AddThinPenBands(const CRect& box, CSize corner, bool pen, ShapeBands& bands)
{
    std::vector<RowSpan> rows;
    ShapeSpans(box, corner, rows);
    for (int i = 0; i < int(rows.size()); ++i) {
        const int y = box.top + i;
        if (pen)
            AddThinOutlineRow(rows, i, y, bands);
        else
            bands.inside.Add(y, rows[size_t(i)].left, rows[size_t(i)].right);
        bands.EndRow();
    }
}

// The corner of an edge moved `grow` pixels outward (inward when negative)
// from a shape's 1-pixel outline; square corners stay square.
int GrownCorner(int corner, int grow)
{
    return corner > 0 ? std::max(0, corner + grow) : 0;
}

// The edges of a pen's band around a shape: the outer box it reaches and
// the inner box it leaves free. A band of the pen's width is centred on the
// 1-pixel outline (a 1-pixel pen's band is that outline).
struct PenBand {
    CRect outer;
    CRect inner;
};

PenBand PenBandOf(const CRect& box, int width)
{
    const int out = width / 2;
    const int outR = (width - 1) / 2;
    const int in = (width + 1) / 2;
    return {CRect(box.left - out, box.top - out, box.right + outR, box.bottom + outR),
            CRect(box.left + in, box.top + in, box.right - 1 - out, box.bottom - 1 - out)};
}

// The corners of a band's edges, from the corner of the shape's box.
CSize OuterCorner(const PenBand& band, const CRect& box, CSize corner)
{
    return CSize(GrownCorner(corner.cx, band.outer.Width() - box.Width()),
                 GrownCorner(corner.cy, band.outer.Height() - box.Height()));
}

CSize InnerCorner(const PenBand& band, const CRect& box, CSize corner)
{
    return CSize(GrownCorner(corner.cx, band.inner.Width() - box.Width()),
                 GrownCorner(corner.cy, band.inner.Height() - box.Height()));
}

// The pen's band between the band's outer and inner edges; inside the
// inner edge, the brush.
void AddPenBand(const PenBand& band, CSize outerCorner, CSize innerCorner, ShapeBands& bands)
{
    std::vector<RowSpan> outerRows;
    std::vector<RowSpan> innerRows;
    ShapeSpans(band.outer, outerCorner, outerRows);
    if (!band.inner.IsRectEmpty())
        ShapeSpans(band.inner, innerCorner, innerRows);
    for (int i = 0; i < int(outerRows.size()); ++i) {
        const int y = band.outer.top + i;
        const RowSpan s = outerRows[size_t(i)];
        const int j = y - band.inner.top;
        if (j >= 0 && j < int(innerRows.size())) {
            const RowSpan hole = innerRows[size_t(j)];
            bands.outline.Add(y, s.left, hole.left - 1);
            bands.outline.Add(y, hole.right + 1, s.right);
            bands.inside.Add(y, hole.left, hole.right);
        } else {
            bands.outline.Add(y, s.left, s.right);
        }
        bands.EndRow();
    }
}

// A wide pen: a band of the pen's width centred on the 1-pixel outline.
void AddWidePenBands(const CRect& box, CSize corner, int width, ShapeBands& bands)
{
    const PenBand band = PenBandOf(box, width);
    AddPenBand(band, OuterCorner(band, box, corner), InnerCorner(band, box, corner), bands);
}

CRect FineRect(const CRect& rc, double ratio)
{
    using dcraster::ImageEdge;
    return CRect(ImageEdge(rc.left, ratio), ImageEdge(rc.top, ratio), ImageEdge(rc.right, ratio),
                 ImageEdge(rc.bottom, ratio));
}

// A corner in image pixels; a corner as large as the box (an ellipse's)
// stays as large as the box.
int FineCorner(int corner, int side, int fineSide, double ratio)
{
    return corner >= side ? fineSide : qRound(corner * ratio);
}

// A shape on an image finer than the device units (a HiDPI image): the
// edges of its box and of its pen's band stay on device units, as at one
// image pixel a unit, and the curves between them are drawn at the image's
// own resolution. penWidth is 0 without a pen.
void AddFineBands(const CRect& box, CSize corner, int penWidth, double ratio, ShapeBands& bands)
{
    const CRect fineBox = FineRect(box, ratio);
    const CSize fineCorner(FineCorner(corner.cx, box.Width(), fineBox.Width(), ratio),
                           FineCorner(corner.cy, box.Height(), fineBox.Height(), ratio));
    if (penWidth == 0) {
        AddThinPenBands(fineBox, fineCorner, false, bands);
        return;
    }
    const PenBand band = PenBandOf(box, penWidth);
    const PenBand fine{FineRect(band.outer, ratio), FineRect(band.inner, ratio)};
    AddPenBand(fine, OuterCorner(fine, fineBox, fineCorner), InnerCorner(fine, fineBox, fineCorner), bands);
}

} // namespace

// ---------------------------------------------------------------------------
// Shapes

void CDC::DrawShape(ShapeKind kind, int l, int t, int r, int b, CSize corner)
{
    if (!Painter())
        return;
    if (DrawsVectors()) {
        VectorShape(kind, l, t, r, b, corner);
        return;
    }
    const CRect box = ToDeviceRect(l, t, r, b);
    if (box.IsRectEmpty())
        return;
    const CSize deviceCorner = DeviceCorner(kind, box, corner);
    const bool pen = m_pen->Style() != PS_NULL;
    const int width = pen ? DevicePenWidth(*m_pen) : 0;
    const double ratio = ImagePixelRatio();
    ShapeBands bands;
    if (ratio != 1.0)
        AddFineBands(box, deviceCorner, width, ratio, bands);
    else if (!pen || width == 1)
        AddThinPenBands(box, deviceCorner, pen, bands);
    else
        AddWidePenBands(box, deviceCorner, width, bands);
    PaintShape(bands.inside.Finish(), bands.outline.Finish(), ratio);
}

CSize CDC::DeviceCorner(ShapeKind kind, const CRect& deviceRect, CSize corner) const
{
    if (kind == ShapeKind::Ellipse)
        return deviceRect.Size();
    if (m_mapMode == MM_LOENGLISH)
        return CSize(std::abs(MulDivRound(corner.cx, DpiX(), 100)), std::abs(MulDivRound(corner.cy, DpiY(), 100)));
    return CSize(std::abs(corner.cx), std::abs(corner.cy));
}

void CDC::PaintShape(const std::vector<QRect>& inside, const std::vector<QRect>& outline, double ratio)
{
    if (ratio != 1.0) {
        PaintFineShape(inside, outline, ratio);
        return;
    }
    if (m_brush->GetKind() != CBrush::Null) {
        for (const QRect& rc : inside)
            FillDeviceRect(rc, *m_brush);
    }
    if (m_pen->Style() != PS_NULL) {
        const QColor color = ToQColor(m_pen->Color());
        for (const QRect& rc : outline) {
            m_painter->fillRect(rc, color);
            MarkDrawn(rc);
        }
    }
}

void CDC::PaintFineShape(const std::vector<QRect>& inside, const std::vector<QRect>& outline, double ratio)
{
    using dcraster::UnitsOfImageRect;
    if (m_brush->GetKind() != CBrush::Null) {
        const QBrush brush = QtBrush(*m_brush);
        for (const QRect& rc : inside)
            m_painter->fillRect(UnitsOfImageRect(rc, ratio), brush);
    }
    if (m_pen->Style() != PS_NULL) {
        const QColor color = ToQColor(m_pen->Color());
        for (const QRect& rc : outline)
            m_painter->fillRect(UnitsOfImageRect(rc, ratio), color);
    }
}

BOOL CDC::Rectangle(int l, int t, int r, int b)
{
    if (m_record)
        Record("Rectangle", {l, t, r, b});
    DrawShape(ShapeKind::Rectangle, l, t, r, b);
    return TRUE;
}

BOOL CDC::Ellipse(int l, int t, int r, int b)
{
    if (m_record)
        Record("Ellipse", {l, t, r, b});
    DrawShape(ShapeKind::Ellipse, l, t, r, b);
    return TRUE;
}

BOOL CDC::RoundRect(int l, int t, int r, int b, int cornerW, int cornerH)
{
    const CSize corner(std::max(0, cornerW), std::max(0, cornerH));
    if (m_record)
        Record("RoundRect", {l, t, r, b, corner.cx, corner.cy});
    DrawShape(ShapeKind::RoundRect, l, t, r, b, corner);
    return TRUE;
}

void CDC::FillRect(const CRect& rc, CBrush* brush)
{
    if (!brush)
        return;
    if (m_record) {
        GdiCall call;
        call.op = "FillRect";
        call.args = {rc.left, rc.top, rc.right, rc.bottom};
        call.penColor = m_pen->Color();
        call.penWidth = m_pen->Width();
        call.penStyle = m_pen->Style();
        call.brushColor = brush->Color();
        call.brushKind = brush->GetKind();
        RecordCall(std::move(call));
    }
    if (!Painter())
        return;
    const CRect d = ToDeviceRect(rc.left, rc.top, rc.right, rc.bottom);
    if (!d.IsRectEmpty())
        FillDeviceRect(d.toQRect(), *brush);
}

void CDC::FillSolidRect(const CRect& rc, COLORREF color)
{
    if (m_record) {
        GdiCall call;
        call.op = "FillSolidRect";
        call.args = {rc.left, rc.top, rc.right, rc.bottom};
        call.penColor = m_pen->Color();
        call.penWidth = m_pen->Width();
        call.penStyle = m_pen->Style();
        call.brushColor = color & 0x00FFFFFF;
        call.brushKind = CBrush::Solid;
        RecordCall(std::move(call));
    }
    if (!Painter())
        return;
    const CRect d = ToDeviceRect(rc.left, rc.top, rc.right, rc.bottom);
    if (!d.IsRectEmpty()) {
        m_painter->fillRect(d.toQRect(), ToQColor(color));
        MarkDrawn(d.toQRect());
    }
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    color &= 0x00FFFFFF;
    if (m_record)
        Record("SetPixel", {x, y, int(color)});
    if (!Painter())
        return m_device ? CLR_INVALID : color;
    const CPoint p = LPtoDP(CPoint(x, y));
    if (p.x < 0 || p.y < 0 || p.x >= GetDeviceCaps(HORZRES) || p.y >= GetDeviceCaps(VERTRES))
        return CLR_INVALID;
    m_painter->fillRect(QRect(p.x, p.y, 1, 1), ToQColor(color));
    MarkDrawn(QRect(p.x, p.y, 1, 1));
    return color;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const QImage* image = DeviceImage();
    if (!image || image->isNull())
        return CLR_INVALID;
    const CPoint p = LPtoDP(CPoint(x, y));
    const double dpr = image->devicePixelRatio();
    const int px = int(std::floor(p.x * dpr));
    const int py = int(std::floor(p.y * dpr));
    if (px < 0 || py < 0 || px >= image->width() || py >= image->height())
        return CLR_INVALID;
    const QRgb c = image->pixel(px, py);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}
