// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDC: the font as realised on the device, TextOut, DrawText, text extent
// and metrics.
#include "framework/dc_raster.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

using dcraster::MulDivRound;
using dcraster::ToQColor;

// ---------------------------------------------------------------------------
// Helpers

namespace {

// The font of a device context in which no font has been selected.
const CFont& SystemFont()
{
    static CFont font;
    if (!font.IsCreated())
        font.CreateFont(16, FW_BOLD, "Arial");
    return font;
}

// Removes the mnemonic prefixes of DrawText ("&x" -> "x", "&&" -> "&").
QString StripPrefix(const QString& text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size())
                out += text[++i];
            continue;
        }
        out += text[i];
    }
    return out;
}

// Breaks one paragraph into lines no wider than width, between words; a
// word wider than the width stands alone on its line. The blanks at a break
// are dropped.
void WrapParagraph(const QString& s, int width, const QFontMetrics& fm, QStringList& lines)
{
    const qsizetype n = s.size();
    if (n == 0) {
        lines << QString();
        return;
    }
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype lineEnd = -1;
        qsizetype next = n;
        qsizetype i = pos;
        while (i < n) {
            qsizetype j = i;
            while (j < n && s[j] == QLatin1Char(' '))
                ++j;
            while (j < n && s[j] != QLatin1Char(' '))
                ++j;
            if (lineEnd >= 0 && fm.horizontalAdvance(s.mid(pos, j - pos)) > width)
                break;
            lineEnd = j;
            qsizetype k = j;
            while (k < n && s[k] == QLatin1Char(' '))
                ++k;
            next = k;
            i = k;
        }
        if (lineEnd < 0) { // cannot happen, but never loop forever
            lineEnd = n;
            next = n;
        }
        lines << s.mid(pos, lineEnd - pos);
        pos = next;
    }
}

// The text a DrawText call shows: without its mnemonic prefixes unless
// DT_NOPREFIX keeps them.
QString VisibleText(const QString& text, UINT format)
{
    return (format & DT_NOPREFIX) ? text : StripPrefix(text);
}

// The lines of a DrawText call: one for DT_SINGLELINE (line breaks
// dropped), else one a paragraph, each broken between words to the width
// with DT_WORDBREAK.
QStringList BreakIntoLines(const QString& text, UINT format, int width, const QFontMetrics& fm)
{
    QStringList lines;
    if (format & DT_SINGLELINE) {
        QString line = text;
        line.remove(QLatin1Char('\r'));
        line.remove(QLatin1Char('\n'));
        lines << line;
        return lines;
    }
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& paragraph : normal.split(QLatin1Char('\n'))) {
        if (format & DT_WORDBREAK)
            WrapParagraph(paragraph, width, fm, lines);
        else
            lines << paragraph;
    }
    return lines;
}

// The top of the first line in the box: DT_VCENTER and DT_BOTTOM place a
// single line; other text starts at the box's top.
int FirstLineTop(const CRect& box, UINT format, int lineHeight)
{
    if (!(format & DT_SINGLELINE))
        return box.top;
    if (format & DT_VCENTER)
        return box.top + (box.Height() - lineHeight) / 2;
    if (format & DT_BOTTOM)
        return box.bottom - lineHeight;
    return box.top;
}

// The left of a line of the given width in the box.
int LineLeft(const CRect& box, UINT format, int width)
{
    if (format & DT_CENTER)
        return box.left + (box.Width() - width) / 2;
    if (format & DT_RIGHT)
        return box.right - width;
    return box.left;
}

} // namespace

// ---------------------------------------------------------------------------
// Text

// The lines of a DrawText call and their widths in device pixels.
struct CDC::TextLines {
    TextLines(QStringList textLines, const QFontMetrics& fm) : lines(std::move(textLines))
    {
        widths.reserve(size_t(lines.size()));
        for (const QString& line : lines) {
            widths.push_back(fm.horizontalAdvance(line));
            maxWidth = std::max(maxWidth, widths.back());
        }
    }
    int Count() const { return int(lines.size()); }

    QStringList lines;
    std::vector<int> widths;
    int maxWidth = 0;
};

const CDC::DeviceFont& CDC::CurrentFont() const
{
    const CFont* font = (m_font && m_font->IsCreated()) ? m_font : &SystemFont();
    const int h = font->Height();
    int deviceHeight = h;
    if (h == 0)
        deviceHeight = -MulDivRound(12, DpiY(), 72);
    else if (m_mapMode == MM_LOENGLISH)
        deviceHeight = MulDivRound(h, DpiY(), 100);
    if (deviceHeight == 0)
        deviceHeight = h < 0 ? -1 : 1;

    if (m_fontCache && m_fontCache->id == font->Id() && m_fontCache->deviceHeight == deviceHeight
        && m_fontCache->device == m_device)
        return *m_fontCache;

    auto df = std::make_unique<DeviceFont>();
    df->id = font->Id();
    df->deviceHeight = deviceHeight;
    df->device = m_device;
    df->font = (deviceHeight == h) ? font->GetQFont() : font->FontForDeviceHeight(deviceHeight);
    df->metrics = m_device ? QFontMetrics(df->font, m_device) : QFontMetrics(df->font);
    df->ascent = df->metrics.ascent();
    df->height = df->metrics.ascent() + df->metrics.descent();
    m_fontCache = std::move(df);
    return *m_fontCache;
}

void CDC::DrawTextLine(const QString& text, int x, int y, const DeviceFont& font)
{
    if (text.isEmpty())
        return;
    const QRect cell(x, y, font.metrics.horizontalAdvance(text), font.height);
    if (m_bkMode == OPAQUE)
        m_painter->fillRect(cell, ToQColor(m_bkColor));
    ApplyFont(font);
    ApplyPen(QPen(ToQColor(m_textColor)));
    m_painter->drawText(QPoint(x, y + font.ascent), text);
    // Glyphs may reach a little past their cell.
    const int reach = font.height / 2;
    MarkDrawn(cell.adjusted(-reach, -reach, reach, reach));
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    if (m_record)
        Record("TextOut", {x, y}, text);
    if (!Painter())
        return TRUE;
    const DeviceFont& font = CurrentFont();
    const CPoint p = LPtoDP(CPoint(x, y));
    DrawTextLine(text, p.x, p.y, font);
    return TRUE;
}

int CDC::DrawText(const CString& text, CRect* rc, UINT format)
{
    if (!rc)
        return 0;
    const bool calc = (format & DT_CALCRECT) != 0;
    if (m_record && !calc)
        Record("DrawText", {rc->left, rc->top, rc->right, rc->bottom}, text, format);

    const DeviceFont& font = CurrentFont();
    const CRect box = ToDeviceRect(rc->left, rc->top, rc->right, rc->bottom);
    const TextLines lines(BreakIntoLines(VisibleText(text, format), format, box.Width(), font.metrics), font.metrics);
    const int height = font.height * lines.Count();
    if (calc) {
        // Measured, not drawn: the rectangle grows or shrinks to the text.
        const CPoint corner = DPtoLP(CPoint(box.left + lines.maxWidth, box.top + height));
        rc->right = corner.x;
        rc->bottom = corner.y;
        return LogicalHeight(height);
    }
    const int top = FirstLineTop(box, format, font.height);
    if (Painter())
        DrawTextLines(lines, box, top, format, font);
    // The height from the box's top to the text's bottom.
    return LogicalHeight(top - box.top + height);
}

// Draws the lines one under the other from top, clipped to the box unless
// DT_NOCLIP or the text fits.
void CDC::DrawTextLines(const TextLines& text, const CRect& box, int top, UINT format, const DeviceFont& font)
{
    std::vector<QPoint> origins;
    origins.reserve(text.widths.size());
    QRect bounds;
    for (int i = 0; i < text.Count(); ++i) {
        const int width = text.widths[size_t(i)];
        const QPoint origin(LineLeft(box, format, width), top + i * font.height);
        origins.push_back(origin);
        bounds |= QRect(origin, QSize(std::max(1, width), font.height));
    }
    const bool clip = !(format & DT_NOCLIP) && !box.toQRect().contains(bounds);
    if (clip)
        m_painter->setClipRect(box.toQRect(), m_clip.isEmpty() ? Qt::ReplaceClip : Qt::IntersectClip);
    for (int i = 0; i < text.Count(); ++i)
        DrawTextLine(text.lines[i], origins[size_t(i)].x(), origins[size_t(i)].y(), font);
    if (clip)
        RestoreDeviceClip();
}

CSize CDC::GetTextExtent(const CString& text) const
{
    const DeviceFont& font = CurrentFont();
    return CSize(LogicalWidth(font.metrics.horizontalAdvance(text)), LogicalHeight(font.height));
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* tm) const
{
    if (!tm)
        return FALSE;
    const DeviceFont& font = CurrentFont();
    const QFontMetrics& fm = font.metrics;
    const CFont* f = (m_font && m_font->IsCreated()) ? m_font : &SystemFont();
    const int em = font.font.pixelSize() > 0 ? font.font.pixelSize() : font.height;
    tm->tmHeight = LogicalHeight(font.height);
    tm->tmAscent = LogicalHeight(fm.ascent());
    tm->tmDescent = LogicalHeight(fm.descent());
    tm->tmInternalLeading = LogicalHeight(std::max(0, font.height - em));
    tm->tmExternalLeading = LogicalHeight(std::max(0, fm.leading()));
    tm->tmAveCharWidth = LogicalWidth(fm.averageCharWidth());
    tm->tmMaxCharWidth = LogicalWidth(fm.maxWidth());
    tm->tmWeight = f->Weight();
    return TRUE;
}
