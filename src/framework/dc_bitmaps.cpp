// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDC: copying images between device contexts and drawing bitmaps.
#include "framework/dc_raster.h"

#include <QImage>
#include <QPainter>

#include <cstdlib>

using dcraster::MulDivRound;

// ---------------------------------------------------------------------------
// Bitmaps

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop)
{
    if (m_record)
        Record("BitBlt", {x, y, width, height, xSrc, ySrc});
    if (rop != SRCCOPY || !src)
        return FALSE;
    QImage* source = src->DeviceImage();
    if (!source || source->isNull())
        return FALSE;
    if (!Painter())
        return m_device ? FALSE : TRUE;

    const CPoint dp = LPtoDP(CPoint(x, y));
    const int dw = m_mapMode == MM_LOENGLISH ? std::abs(MulDivRound(width, DpiX(), 100)) : std::abs(width);
    const int dh = m_mapMode == MM_LOENGLISH ? std::abs(MulDivRound(height, DpiY(), 100)) : std::abs(height);
    const CPoint sp = src->LPtoDP(CPoint(xSrc, ySrc));
    const int sw = src->m_mapMode == MM_LOENGLISH ? std::abs(MulDivRound(width, src->DpiX(), 100)) : std::abs(width);
    const int sh = src->m_mapMode == MM_LOENGLISH ? std::abs(MulDivRound(height, src->DpiY(), 100)) : std::abs(height);
    if (dw == 0 || dh == 0)
        return TRUE;
    const double dpr = source->devicePixelRatio();
    const QRectF from(sp.x * dpr, sp.y * dpr, sw * dpr, sh * dpr);
    const QRect to(dp.x, dp.y, dw, dh);
    MarkDrawn(to);
    if (source == DeviceImage()) {
        const QImage copy = source->copy(from.toRect());
        m_painter->drawImage(to, copy);
    } else {
        m_painter->drawImage(QRectF(to), *source, from);
    }
    return TRUE;
}

void CDC::DrawBitmap(int x, int y, const CBitmap& bitmap)
{
    const CSize size = bitmap.GetSize();
    if (m_record)
        Record("DrawBitmap", {x, y, size.cx, size.cy});
    if (!bitmap.IsLoaded() || !Painter())
        return;
    const CPoint p = LPtoDP(CPoint(x, y));
    MarkDrawn(QRect(p.x, p.y, size.cx, size.cy));
    if (&bitmap.m_image == DeviceImage()) {
        m_painter->drawImage(QPoint(p.x, p.y), bitmap.m_image.copy());
        return;
    }
    m_painter->drawImage(QPoint(p.x, p.y), bitmap.m_image);
}
