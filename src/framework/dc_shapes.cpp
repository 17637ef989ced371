// CDC: rectangles, ellipses and round rectangles rasterised as pixel spans,
// rectangle fills and single pixels.
#include "framework/dc_raster.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
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

// The rows of a rectangle [l, r) x [t, b) whose corners are rounded by the
// quarters of a cw x ch ellipse (cw = r - l, ch = b - t gives an ellipse).
void ShapeSpans(int l, int t, int r, int b, int cw, int ch, std::vector<RowSpan>& rows)
{
    const int w = r - l;
    const int h = b - t;
    rows.clear();
    if (w <= 0 || h <= 0)
        return;
    cw = std::clamp(cw, 0, w);
    ch = std::clamp(ch, 0, h);
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
        rows[size_t(i)] = RowSpan{l + inset, r - 1 - inset};
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

} // namespace

// ---------------------------------------------------------------------------
// Shapes

BOOL CDC::DrawShape(const char* op, int l, int t, int r, int b, int cornerW, int cornerH)
{
    if (m_record) {
        if (std::strcmp(op, "RoundRect") == 0)
            Record(op, {l, t, r, b, cornerW, cornerH});
        else
            Record(op, {l, t, r, b});
    }
    if (!Painter())
        return TRUE;
    const CRect d = ToDeviceRect(l, t, r, b);
    if (d.IsRectEmpty())
        return TRUE;
    const bool ellipse = cornerW < 0;
    int cw = 0;
    int ch = 0;
    if (ellipse) {
        cw = d.Width();
        ch = d.Height();
    } else if (m_mapMode == MM_LOENGLISH) {
        cw = std::abs(MulDivRound(cornerW, DpiX(), 100));
        ch = std::abs(MulDivRound(cornerH, DpiY(), 100));
    } else {
        cw = std::abs(cornerW);
        ch = std::abs(cornerH);
    }

    const bool pen = m_pen->Style() != PS_NULL;
    const bool brush = m_brush->GetKind() != CBrush::Null;
    const int width = pen ? DevicePenWidth(*m_pen) : 0;
    SpanMerger outline;
    SpanMerger fill;
    std::vector<RowSpan> rows;

    if (!pen || width == 1) {
        ShapeSpans(d.left, d.top, d.right, d.bottom, cw, ch, rows);
        const int h = int(rows.size());
        for (int i = 0; i < h; ++i) {
            const int y = d.top + i;
            const RowSpan s = rows[size_t(i)];
            if (!pen) {
                fill.Add(y, s.left, s.right);
            } else {
                // A pixel is on the outline when a 4-neighbour is outside.
                int innerL = s.left + 1;
                int innerR = s.right - 1;
                if (i == 0 || i == h - 1) {
                    innerL = s.right + 1;
                    innerR = s.right;
                } else {
                    const RowSpan up = rows[size_t(i - 1)];
                    const RowSpan down = rows[size_t(i + 1)];
                    innerL = std::max({innerL, up.left, down.left});
                    innerR = std::min({innerR, up.right, down.right});
                }
                if (innerL > innerR) {
                    outline.Add(y, s.left, s.right);
                } else {
                    outline.Add(y, s.left, innerL - 1);
                    outline.Add(y, innerR + 1, s.right);
                    fill.Add(y, innerL, innerR);
                }
            }
            outline.EndRow();
            fill.EndRow();
        }
    } else {
        // A wide pen: a band of the pen's width centred on the 1-pixel outline.
        const int out = width / 2;
        const int outR = (width - 1) / 2;
        const int in = (width + 1) / 2;
        const CRect o(d.left - out, d.top - out, d.right + outR, d.bottom + outR);
        const CRect n(d.left + in, d.top + in, d.right - 1 - out, d.bottom - 1 - out);
        std::vector<RowSpan> innerRows;
        ShapeSpans(o.left, o.top, o.right, o.bottom, ellipse ? o.Width() : (cw > 0 ? cw + o.Width() - d.Width() : 0),
                   ellipse ? o.Height() : (ch > 0 ? ch + o.Height() - d.Height() : 0), rows);
        if (!n.IsRectEmpty())
            ShapeSpans(n.left, n.top, n.right, n.bottom,
                       ellipse ? n.Width() : std::max(0, cw - (d.Width() - n.Width())),
                       ellipse ? n.Height() : std::max(0, ch - (d.Height() - n.Height())), innerRows);
        for (int i = 0; i < int(rows.size()); ++i) {
            const int y = o.top + i;
            const RowSpan s = rows[size_t(i)];
            const int j = y - n.top;
            if (!innerRows.empty() && j >= 0 && j < int(innerRows.size())) {
                const RowSpan inner = innerRows[size_t(j)];
                outline.Add(y, s.left, inner.left - 1);
                outline.Add(y, inner.right + 1, s.right);
                fill.Add(y, inner.left, inner.right);
            } else {
                outline.Add(y, s.left, s.right);
            }
            outline.EndRow();
            fill.EndRow();
        }
    }

    if (brush) {
        for (const QRect& rc : fill.Finish())
            FillDeviceRect(rc, *m_brush);
    }
    if (pen) {
        const QColor color = ToQColor(m_pen->Color());
        for (const QRect& rc : outline.Finish())
            m_painter->fillRect(rc, color);
    }
    return TRUE;
}

BOOL CDC::Rectangle(int l, int t, int r, int b)
{
    return DrawShape("Rectangle", l, t, r, b, 0, 0);
}

BOOL CDC::Ellipse(int l, int t, int r, int b)
{
    return DrawShape("Ellipse", l, t, r, b, -1, -1);
}

BOOL CDC::RoundRect(int l, int t, int r, int b, int cornerW, int cornerH)
{
    return DrawShape("RoundRect", l, t, r, b, std::max(0, cornerW), std::max(0, cornerH));
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
    if (!d.IsRectEmpty())
        m_painter->fillRect(d.toQRect(), ToQColor(color));
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
