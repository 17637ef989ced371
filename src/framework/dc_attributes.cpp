// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDC: selected objects, attributes, device capabilities and the mapping
// between logical and device units.
#include "framework/dc_raster.h"

#include <QImage>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

using dcraster::MulDivRound;

// ---------------------------------------------------------------------------
// Helpers

namespace {

// Stock objects live for the whole run, so pointers to them stay valid.
CPen* StockPen(int id)
{
    static CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    static CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    static CPen null(PS_NULL, 1, 0);
    switch (id) {
    case WHITE_PEN: return &white;
    case BLACK_PEN: return &black;
    case NULL_PEN: return &null;
    default: return nullptr;
    }
}

CBrush* StockBrush(int id)
{
    static CBrush white(RGB(255, 255, 255));
    static CBrush ltgray(RGB(192, 192, 192));
    static CBrush gray(RGB(128, 128, 128));
    static CBrush black(RGB(0, 0, 0));
    static CBrush null = [] {
        CBrush b;
        b.CreateNullBrush();
        return b;
    }();
    switch (id) {
    case WHITE_BRUSH: return &white;
    case LTGRAY_BRUSH: return &ltgray;
    case GRAY_BRUSH: return &gray;
    case BLACK_BRUSH: return &black;
    case NULL_BRUSH: return &null;
    default: return nullptr;
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Objects and attributes

CPen* CDC::SelectObject(CPen* pen)
{
    if (!pen)
        return nullptr;
    CPen* old = m_pen;
    m_pen = pen;
    return old;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    if (!brush)
        return nullptr;
    CBrush* old = m_brush;
    m_brush = brush;
    return old;
}

CFont* CDC::SelectObject(CFont* font)
{
    if (!font)
        return nullptr;
    CFont* old = m_font;
    m_font = font;
    return old;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (!m_memoryDC)
        return nullptr;
    ReleasePainter();
    CBitmap* old = m_selectedBitmap;
    m_selectedBitmap = bitmap;
    m_device = (bitmap && !bitmap->m_image.isNull()) ? &bitmap->m_image : nullptr;
    m_fontCache.reset();
    return old;
}

void CDC::SelectStockObject(int stockObject)
{
    if (CPen* pen = StockPen(stockObject))
        m_pen = pen;
    else if (CBrush* brush = StockBrush(stockObject))
        m_brush = brush;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    COLORREF old = m_textColor;
    m_textColor = color & 0x00FFFFFF;
    return old;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    COLORREF old = m_bkColor;
    m_bkColor = color & 0x00FFFFFF;
    return old;
}

int CDC::SetBkMode(int mode)
{
    int old = m_bkMode;
    if (mode == TRANSPARENT || mode == OPAQUE)
        m_bkMode = mode;
    return old;
}

int CDC::SetMapMode(int mode)
{
    int old = m_mapMode;
    if (mode == MM_TEXT || mode == MM_LOENGLISH) {
        if (mode != m_mapMode)
            m_fontCache.reset();
        m_mapMode = mode;
    }
    return old;
}

int CDC::SetPolyFillMode(int mode)
{
    int old = m_polyFillMode;
    if (mode == ALTERNATE || mode == WINDING)
        m_polyFillMode = mode;
    return old;
}

int CDC::DpiX() const
{
    const int dpi = m_device ? m_device->logicalDpiX() : 96;
    return dpi > 0 ? dpi : 96;
}

int CDC::DpiY() const
{
    const int dpi = m_device ? m_device->logicalDpiY() : 96;
    return dpi > 0 ? dpi : 96;
}

double CDC::ImagePixelRatio() const
{
    const QImage* image = DeviceImage();
    return image ? image->devicePixelRatio() : 1.0;
}

int CDC::GetDeviceCaps(int index) const
{
    switch (index) {
    case HORZRES: return m_device ? int(std::lround(m_device->width() / m_device->devicePixelRatio())) : 0;
    case VERTRES: return m_device ? int(std::lround(m_device->height() / m_device->devicePixelRatio())) : 0;
    case LOGPIXELSX: return DpiX();
    case LOGPIXELSY: return DpiY();
    default: return 0;
    }
}

// ---------------------------------------------------------------------------
// Coordinates

CPoint CDC::LPtoDP(CPoint p) const
{
    if (m_mapMode == MM_LOENGLISH)
        return CPoint(MulDivRound(p.x, DpiX(), 100), MulDivRound(-p.y, DpiY(), 100));
    return p;
}

CPoint CDC::DPtoLP(CPoint p) const
{
    if (m_mapMode == MM_LOENGLISH)
        return CPoint(MulDivRound(p.x, 100, DpiX()), -MulDivRound(p.y, 100, DpiY()));
    return p;
}

void CDC::LPtoDP(CRect* rc) const
{
    if (!rc)
        return;
    const CPoint a = LPtoDP(CPoint(rc->left, rc->top));
    const CPoint b = LPtoDP(CPoint(rc->right, rc->bottom));
    *rc = CRect(a.x, a.y, b.x, b.y);
}

void CDC::DPtoLP(CRect* rc) const
{
    if (!rc)
        return;
    const CPoint a = DPtoLP(CPoint(rc->left, rc->top));
    const CPoint b = DPtoLP(CPoint(rc->right, rc->bottom));
    *rc = CRect(a.x, a.y, b.x, b.y);
}

// A width or height of device pixels in logical units (no y flip).
int CDC::LogicalWidth(int deviceWidth) const
{
    return m_mapMode == MM_LOENGLISH ? MulDivRound(deviceWidth, 100, DpiX()) : deviceWidth;
}

int CDC::LogicalHeight(int deviceHeight) const
{
    return m_mapMode == MM_LOENGLISH ? MulDivRound(deviceHeight, 100, DpiY()) : deviceHeight;
}

CRect CDC::ToDeviceRect(int l, int t, int r, int b) const
{
    const CPoint a = LPtoDP(CPoint(l, t));
    const CPoint c = LPtoDP(CPoint(r, b));
    CRect rc(a.x, a.y, c.x, c.y);
    rc.NormalizeRect();
    return rc;
}

int CDC::DevicePenWidth(const CPen& pen) const
{
    const int w = pen.Width();
    if (w <= 1 && m_mapMode == MM_TEXT)
        return 1;
    if (w <= 0)
        return 1;
    if (m_mapMode == MM_LOENGLISH)
        return std::max(1, MulDivRound(w, DpiX(), 100));
    return w;
}
