// CDC: the font as realised on the device, TextOut, DrawText, text extent
// and metrics.
#include "framework/dc_raster.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <memory>
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

} // namespace

// ---------------------------------------------------------------------------
// Text

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
    if (m_bkMode == OPAQUE) {
        const int width = font.metrics.horizontalAdvance(text);
        m_painter->fillRect(QRect(x, y, width, font.height), ToQColor(m_bkColor));
    }
    ApplyFont(font);
    ApplyPen(QPen(ToQColor(m_textColor)));
    m_painter->drawText(QPoint(x, y + font.ascent), text);
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

int CDC::DrawText(const CString& textIn, CRect* rc, UINT format)
{
    if (!rc)
        return 0;
    const bool calc = (format & DT_CALCRECT) != 0;
    if (m_record && !calc)
        Record("DrawText", {rc->left, rc->top, rc->right, rc->bottom}, textIn, format);

    const DeviceFont& font = CurrentFont();
    const QString text = (format & DT_NOPREFIX) ? textIn : StripPrefix(textIn);
    const CRect d = ToDeviceRect(rc->left, rc->top, rc->right, rc->bottom);
    const bool single = (format & DT_SINGLELINE) != 0;

    QStringList lines;
    if (single) {
        QString line = text;
        line.remove(QLatin1Char('\r'));
        line.remove(QLatin1Char('\n'));
        lines << line;
    } else {
        QString normal = text;
        normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const QStringList paragraphs = normal.split(QLatin1Char('\n'));
        for (const QString& para : paragraphs) {
            if (format & DT_WORDBREAK)
                WrapParagraph(para, d.Width(), font.metrics, lines);
            else
                lines << para;
        }
    }

    const int lineHeight = font.height;
    const int totalHeight = lineHeight * int(lines.size());
    std::vector<int> widths;
    widths.reserve(size_t(lines.size()));
    int maxWidth = 0;
    for (const QString& line : lines) {
        widths.push_back(font.metrics.horizontalAdvance(line));
        maxWidth = std::max(maxWidth, widths.back());
    }

    auto toLogicalHeight = [this](int deviceHeight) {
        return m_mapMode == MM_LOENGLISH ? MulDivRound(deviceHeight, 100, DpiY()) : deviceHeight;
    };

    if (calc) {
        const CPoint corner = DPtoLP(CPoint(d.left + maxWidth, d.top + totalHeight));
        rc->right = corner.x;
        rc->bottom = corner.y;
        return toLogicalHeight(totalHeight);
    }

    int top = d.top;
    if (single && (format & DT_VCENTER))
        top = d.top + (d.Height() - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM))
        top = d.bottom - lineHeight;
    const int result = (single && (format & (DT_VCENTER | DT_BOTTOM))) ? top - d.top + totalHeight : totalHeight;

    if (!Painter())
        return toLogicalHeight(result);

    std::vector<int> xs;
    xs.reserve(widths.size());
    QRect bounds;
    for (size_t i = 0; i < widths.size(); ++i) {
        int x = d.left;
        if (format & DT_CENTER)
            x = d.left + (d.Width() - widths[i]) / 2;
        else if (format & DT_RIGHT)
            x = d.right - widths[i];
        xs.push_back(x);
        bounds |= QRect(x, top + int(i) * lineHeight, std::max(1, widths[i]), lineHeight);
    }
    const bool clip = !(format & DT_NOCLIP) && !d.toQRect().contains(bounds);
    if (clip)
        m_painter->setClipRect(d.toQRect(), m_clip.isEmpty() ? Qt::ReplaceClip : Qt::IntersectClip);
    for (size_t i = 0; i < widths.size(); ++i)
        DrawTextLine(lines[qsizetype(i)], xs[i], top + int(i) * lineHeight, font);
    if (clip) {
        if (m_clip.isEmpty())
            m_painter->setClipping(false);
        else
            m_painter->setClipRegion(m_clip);
    }
    return toLogicalHeight(result);
}

CSize CDC::GetTextExtent(const CString& text) const
{
    const DeviceFont& font = CurrentFont();
    const int w = font.metrics.horizontalAdvance(text);
    const int h = font.height;
    if (m_mapMode == MM_LOENGLISH)
        return CSize(MulDivRound(w, 100, DpiX()), MulDivRound(h, 100, DpiY()));
    return CSize(w, h);
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* tm) const
{
    if (!tm)
        return FALSE;
    const DeviceFont& font = CurrentFont();
    const QFontMetrics& fm = font.metrics;
    const CFont* f = (m_font && m_font->IsCreated()) ? m_font : &SystemFont();
    const int em = font.font.pixelSize() > 0 ? font.font.pixelSize() : font.height;
    auto sx = [this](int v) { return m_mapMode == MM_LOENGLISH ? MulDivRound(v, 100, DpiX()) : v; };
    auto sy = [this](int v) { return m_mapMode == MM_LOENGLISH ? MulDivRound(v, 100, DpiY()) : v; };
    tm->tmHeight = sy(font.height);
    tm->tmAscent = sy(fm.ascent());
    tm->tmDescent = sy(fm.descent());
    tm->tmInternalLeading = sy(std::max(0, font.height - em));
    tm->tmExternalLeading = sy(std::max(0, fm.leading()));
    tm->tmAveCharWidth = sx(fm.averageCharWidth());
    tm->tmMaxCharWidth = sx(fm.maxWidth());
    tm->tmWeight = f->Weight();
    return TRUE;
}
