// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gdi_objects.h"

#include "framework/bitmaps_ahead.h"
#include "framework/resources.h"

#include <QFile>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

// ---------------------------------------------------------------------------
// CPen, CBrush

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    m_style = style;
    m_width = width < 0 ? 0 : width;
    m_color = color & 0x00FFFFFF;
    m_created = true;
    return TRUE;
}

BOOL CPen::DeleteObject()
{
    if (!m_created)
        return FALSE;
    *this = CPen();
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    m_kind = Solid;
    m_color = color & 0x00FFFFFF;
    m_created = true;
    return TRUE;
}

BOOL CBrush::CreateHatchBrush(int hatchStyle, COLORREF color)
{
    if (hatchStyle < HS_HORIZONTAL || hatchStyle > HS_DIAGCROSS)
        return FALSE;
    m_kind = Hatched;
    m_hatch = hatchStyle;
    m_color = color & 0x00FFFFFF;
    m_created = true;
    return TRUE;
}

BOOL CBrush::CreateNullBrush()
{
    m_kind = Null;
    m_color = 0;
    m_created = true;
    return TRUE;
}

BOOL CBrush::DeleteObject()
{
    if (!m_created)
        return FALSE;
    *this = CBrush();
    return TRUE;
}

// ---------------------------------------------------------------------------
// CFont

namespace {

std::uint64_t NextFontId()
{
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

// The em in pixels of a font whose height is 0 (the GDI "default height").
constexpr int kDefaultEmPixels = 16;
// The sizes tried on either side of the estimated one.
constexpr int kSizesAroundEstimate = 2;

} // namespace

int CFont::PixelSizeForHeight(const QFont& base, int height)
{
    if (height < 0)
        return -height;
    if (height == 0)
        return kDefaultEmPixels;

    // Estimate from the unhinted proportions at a large size, then pick the
    // integer size around it whose (hinted) ascent + descent is closest.
    QFont probe(base);
    probe.setPixelSize(256);
    const QFontMetricsF big(probe);
    const double ratio = (big.ascent() + big.descent()) / 256.0;
    const double estimate = ratio > 0.1 ? height / ratio : height;
    const int centre = std::max(1, int(std::lround(estimate)));

    // Each size measured is a font loaded, so the nearest to the estimate
    // are measured first, and the first that fits exactly is the answer.
    std::vector<int> sizes;
    for (int size = std::max(1, centre - kSizesAroundEstimate); size <= centre + kSizesAroundEstimate; ++size)
        sizes.push_back(size);
    std::stable_sort(sizes.begin(), sizes.end(),
                     [estimate](int a, int b) { return std::abs(a - estimate) < std::abs(b - estimate); });
    int best = centre;
    int bestDiff = -1;
    for (int size : sizes) {
        probe.setPixelSize(size);
        const QFontMetrics fm(probe);
        const int diff = std::abs(fm.ascent() + fm.descent() - height);
        if (bestDiff < 0 || diff < bestDiff) {
            best = size;
            bestDiff = diff;
        }
        if (diff == 0)
            break;
    }
    return best;
}

BOOL CFont::CreateFont(int height, int width, int /*escapement*/, int /*orientation*/, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE /*charSet*/, BYTE /*outPrecision*/,
                       BYTE /*clipPrecision*/, BYTE quality, BYTE /*pitchAndFamily*/, const char* faceName)
{
    // The face name decides the family; the pitch request is not passed on
    // (asking fontconfig for a fixed pitch would replace "Arial" by a
    // monospaced face, which GDI does not do when the named face exists).
    m_face = (faceName && *faceName) ? QString::fromLatin1(faceName) : QStringLiteral("Arial");
    QFont base(m_face);
    int w = weight <= 0 ? FW_NORMAL : std::clamp(weight, 1, 1000);
    base.setWeight(QFont::Weight(w));
    base.setItalic(italic != 0);
    base.setUnderline(underline != 0);
    base.setStrikeOut(strikeOut != 0);
    base.setKerning(false);
    if (quality == NONANTIALIASED_QUALITY)
        base.setStyleStrategy(QFont::NoAntialias);
    else if (quality == ANTIALIASED_QUALITY)
        base.setStyleStrategy(QFont::PreferAntialias);

    m_base = base;
    m_height = height;
    m_width = width < 0 ? -width : width;
    m_weight = w;
    m_id = NextFontId();
    m_created = true;
    m_cachedDeviceHeight = 0;
    m_cachedFont = QFont();
    m_font = FontForDeviceHeight(height == 0 ? -kDefaultEmPixels : height);
    return TRUE;
}

BOOL CFont::DeleteObject()
{
    if (!m_created)
        return FALSE;
    *this = CFont();
    return TRUE;
}

QFont CFont::FontForDeviceHeight(int deviceHeight) const
{
    if (deviceHeight == 0)
        deviceHeight = -kDefaultEmPixels;
    if (m_cachedDeviceHeight == deviceHeight && m_cachedDeviceHeight != 0)
        return m_cachedFont;
    QFont font(m_base);
    font.setPixelSize(PixelSizeForHeight(m_base, deviceHeight));
    if (m_width > 0) {
        // A requested average character width stretches the font.
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(std::clamp(int(std::lround(100.0 * m_width / natural)), 1, 4000));
    }
    m_cachedDeviceHeight = deviceHeight;
    m_cachedFont = font;
    return font;
}

// ---------------------------------------------------------------------------
// CBitmap

qreal AfxBitmapPixelRatio()
{
    return qGuiApp ? std::max<qreal>(1.0, qGuiApp->devicePixelRatio()) : 1.0;
}

QImage AfxRenderSvg(const QString& path, QSize wanted, qreal ratio)
{
    if (!QFile::exists(path))
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    const QSize size = wanted.isEmpty() ? renderer.defaultSize() : wanted;
    if (size.isEmpty())
        return {};
    QImage image(qCeil(size.width() * ratio), qCeil(size.height() * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return image;
}

BOOL CBitmap::LoadSvg(const QString& path, QSize wanted)
{
    DeleteObject();
    const qreal ratio = AfxBitmapPixelRatio();
    const std::optional<QImage> ahead = wanted.isEmpty() ? CBitmapsAhead::Take(path, ratio) : std::nullopt;
    const QImage image = ahead ? *ahead : AfxRenderSvg(path, wanted, ratio);
    if (image.isNull())
        return FALSE;
    SetImage(image);
    return TRUE;
}

void CBitmap::SetImage(const QImage& image)
{
    m_image = image;
    const qreal ratio = image.devicePixelRatio();
    m_size = CSize(int(image.width() / ratio), int(image.height() / ratio));
}

BOOL CBitmap::LoadBitmap(const char* name)
{
    if (!name || !*name) {
        DeleteObject();
        return FALSE;
    }
    return LoadSvg(AfxBitmapPath(QString::fromLatin1(name)));
}

BOOL CBitmap::LoadIcon(const char* name)
{
    if (!name || !*name) {
        DeleteObject();
        return FALSE;
    }
    return LoadSvg(AfxBitmapPath(QString::fromLatin1(name)), QSize(kIconSize, kIconSize));
}

BOOL CBitmap::LoadBitmap(UINT id)
{
    return LoadSvg(AfxBitmapPath(QString::number(id)));
}
