// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDC: construction, the device and its painter, painter state and recording.
#include "framework/dc_raster.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <unordered_map>

using dcraster::ToQColor;

// ---------------------------------------------------------------------------
// Helpers

namespace {

// Which device context has an open painter on which device.
std::unordered_map<QPaintDevice*, CDC*>& PainterOwners()
{
    static std::unordered_map<QPaintDevice*, CDC*> owners;
    return owners;
}

// The 8 x 8 hatch patterns, one byte a row, the high bit the leftmost pixel.
constexpr unsigned char kHatchBits[6][8] = {
    {0x00, 0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00}, // HS_HORIZONTAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // HS_VERTICAL
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // HS_FDIAGONAL
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // HS_BDIAGONAL
    {0x08, 0x08, 0x08, 0x08, 0xff, 0x08, 0x08, 0x08}, // HS_CROSS
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // HS_DIAGCROSS
};

} // namespace

// ---------------------------------------------------------------------------
// Construction, device and painter

CDC::CDC() = default;

CDC::CDC(QPaintDevice* device, const QRegion& clip)
{
    Attach(device, clip);
}

CDC::~CDC()
{
    ReleasePainter();
}

void CDC::Attach(QPaintDevice* device, const QRegion& clip)
{
    ReleasePainter();
    m_device = device;
    m_clip = clip;
    m_drawn = QRect();
    m_memoryDC = false;
    m_selectedBitmap = nullptr;
    m_fontCache.reset();
}

void CDC::ReleasePainter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    auto& owners = PainterOwners();
    for (auto it = owners.begin(); it != owners.end(); ++it) {
        if (it->second == this) {
            owners.erase(it);
            break;
        }
    }
}

void CDC::ReleasePaintersOn(QPaintDevice* device)
{
    auto& owners = PainterOwners();
    auto it = owners.find(device);
    if (it != owners.end())
        it->second->ReleasePainter();
}

QPainter* CDC::Painter()
{
    if (m_painter && m_painter->isActive())
        return m_painter.get();
    if (!m_device)
        return nullptr;
    if (QImage* image = DeviceImage(); image && image->isNull())
        return nullptr;

    auto& owners = PainterOwners();
    auto it = owners.find(m_device);
    if (it != owners.end() && it->second != this)
        it->second->ReleasePainter(); // only one painter per device
    if (m_device->paintingActive()) {
        // A painter that is not a device context's: leave it alone.
        qWarning("CDC: the device is busy with a painter of its own; drawing skipped");
        return nullptr;
    }

    if (!m_painter)
        m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_device))
        return nullptr;
    owners[m_device] = this;
    m_painter->setRenderHint(QPainter::Antialiasing, DrawsVectors());
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    if (!m_clip.isEmpty())
        m_painter->setClipRegion(m_clip);
    ResetAppliedState();
    return m_painter.get();
}

void CDC::PainterStateChanged()
{
    if (m_painter && m_painter->isActive()) {
        ResetAppliedState();
        m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_painter->setRenderHint(QPainter::Antialiasing, DrawsVectors());
        m_painter->resetTransform();
        RestoreDeviceClip();
    }
}

void CDC::RestoreDeviceClip()
{
    if (m_clip.isEmpty())
        m_painter->setClipping(false);
    else
        m_painter->setClipRegion(m_clip);
}

QImage* CDC::DeviceImage() const
{
    if (m_device && m_device->devType() == QInternal::Image)
        return static_cast<QImage*>(m_device);
    return nullptr;
}

BOOL CDC::CreateCompatibleDC(CDC* /*other*/)
{
    ReleasePainter();
    m_memoryDC = true;
    m_device = nullptr;
    m_selectedBitmap = nullptr;
    m_clip = QRegion();
    m_fontCache.reset();
    return TRUE;
}

// ---------------------------------------------------------------------------
// Painter state

void CDC::ApplyPen(const QPen& pen)
{
    if (m_appliedPen != pen) {
        m_painter->setPen(pen);
        m_appliedPen = pen;
    }
}

void CDC::ApplyBrush(const QBrush& brush)
{
    if (m_appliedBrush != brush) {
        m_painter->setBrush(brush);
        m_appliedBrush = brush;
    }
}

void CDC::ApplyFont(const DeviceFont& font)
{
    if (m_appliedFontId != font.id || m_appliedFontHeight != font.deviceHeight) {
        m_painter->setFont(font.font);
        m_appliedFontId = font.id;
        m_appliedFontHeight = font.deviceHeight;
    }
}

void CDC::ResetAppliedState()
{
    // A known state, so that the Apply functions need only compare.
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(Qt::NoBrush);
    m_appliedPen = QPen(Qt::NoPen);
    m_appliedBrush = QBrush(Qt::NoBrush);
    m_appliedFontId = 0; // font ids start at 1
    m_appliedFontHeight = 0;
}

QBrush CDC::QtBrush(const CBrush& brush)
{
    switch (brush.GetKind()) {
    case CBrush::Null:
        return QBrush(Qt::NoBrush);
    case CBrush::Solid:
        return QBrush(ToQColor(brush.Color()));
    case CBrush::Hatched:
        break;
    }
    const bool opaque = m_bkMode == OPAQUE;
    const int hatch = std::clamp(brush.Hatch(), int(HS_HORIZONTAL), int(HS_DIAGCROSS));
    const quint64 key = (quint64(hatch) << 50) | (quint64(opaque) << 49) | (quint64(brush.Color()) << 24)
                        | quint64(opaque ? m_bkColor : 0);
    if (key != m_hatchKey) {
        QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
        const QRgb fg = ToQColor(brush.Color()).rgba();
        const QRgb bg = opaque ? ToQColor(m_bkColor).rgba() : qRgba(0, 0, 0, 0);
        for (int y = 0; y < 8; ++y) {
            const unsigned char bits = kHatchBits[hatch][y];
            for (int x = 0; x < 8; ++x)
                tile.setPixel(x, y, (bits & (0x80 >> x)) ? fg : bg);
        }
        m_hatchBrush = QBrush(tile);
        m_hatchKey = key;
    }
    return m_hatchBrush;
}

void CDC::FillDeviceRect(const QRect& rc, const CBrush& brush)
{
    if (rc.isEmpty() || brush.GetKind() == CBrush::Null)
        return;
    MarkDrawn(rc);
    switch (brush.GetKind()) {
    case CBrush::Null:
        return;
    case CBrush::Solid:
        m_painter->fillRect(rc, ToQColor(brush.Color()));
        return;
    case CBrush::Hatched:
        m_painter->fillRect(rc, QtBrush(brush));
        return;
    }
}

BOOL CDC::RectVisible(const CRect& rc) const
{
    if (!m_device)
        return TRUE;
    const QRect area = ToDeviceRect(rc.left, rc.top, rc.right, rc.bottom).toQRect();
    if (area.isEmpty())
        return FALSE;
    if (m_clip.isEmpty())
        return area.intersects(QRect(0, 0, m_device->width(), m_device->height()));
    return m_clip.intersects(area);
}

// ---------------------------------------------------------------------------
// Recording

void CDC::Record(const char* op, std::vector<int> args, const CString& text, UINT format)
{
    if (!m_record)
        return;
    GdiCall call;
    call.op = op;
    call.args = std::move(args);
    call.text = text;
    call.format = format;
    call.penColor = m_pen->Color();
    call.penWidth = m_pen->Width();
    call.penStyle = m_pen->Style();
    call.brushColor = m_brush->Color();
    call.brushKind = m_brush->GetKind();
    RecordCall(std::move(call));
}

void CDC::RecordCall(GdiCall&& call)
{
    if (!m_record)
        return;
    call.textColor = m_textColor;
    m_record->push_back(std::move(call));
}
