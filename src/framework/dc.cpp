#include "framework/dc.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

// ---------------------------------------------------------------------------
// Helpers

namespace {

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// a * b / c rounded half away from zero, as MulDiv does.
int MulDivRound(long long a, long long b, long long c)
{
    if (c == 0)
        return 0;
    long long n = a * b;
    if (c < 0) {
        n = -n;
        c = -c;
    }
    return n >= 0 ? int((n + c / 2) / c) : -int((-n + c / 2) / c);
}

// Which device context has an open painter on which device.
std::unordered_map<QPaintDevice*, CDC*>& PainterOwners()
{
    static std::unordered_map<QPaintDevice*, CDC*> owners;
    return owners;
}

// The font of a device context in which no font has been selected.
const CFont& SystemFont()
{
    static CFont font;
    if (!font.IsCreated())
        font.CreateFont(16, FW_BOLD, "Arial");
    return font;
}

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

// The 8 x 8 hatch patterns, one byte a row, the high bit the leftmost pixel.
constexpr unsigned char kHatchBits[6][8] = {
    {0x00, 0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00}, // HS_HORIZONTAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // HS_VERTICAL
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // HS_FDIAGONAL
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // HS_BDIAGONAL
    {0x08, 0x08, 0x08, 0x08, 0xff, 0x08, 0x08, 0x08}, // HS_CROSS
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // HS_DIAGCROSS
};

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
// The font as realised on the device.

struct CDC::DeviceFont {
    std::uint64_t id = 0;
    int deviceHeight = 0;
    QPaintDevice* device = nullptr;
    QFont font;
    QFontMetrics metrics{QFont()};
    int ascent = 0;
    int height = 0;
};

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
    m_painter->setRenderHint(QPainter::Antialiasing, false);
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
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->resetTransform();
        if (m_clip.isEmpty())
            m_painter->setClipping(false);
        else
            m_painter->setClipRegion(m_clip);
    }
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
    if (rc.isEmpty())
        return;
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
    const CPoint a = LPtoDP(from);
    const CPoint b = LPtoDP(m_pos);
    const int width = DevicePenWidth(*m_pen);
    if (width == 1)
        DrawDeviceLine(a, b);
    else
        DrawWideSegments({a, b}, false, width, m_pen->Color());
    return TRUE;
}

BOOL CDC::Polyline(const CPoint* points, int count)
{
    if (!points || count < 2)
        return FALSE;
    if (m_record) {
        std::vector<int> args;
        args.reserve(size_t(count) * 2);
        for (int i = 0; i < count; ++i) {
            args.push_back(points[i].x);
            args.push_back(points[i].y);
        }
        Record("Polyline", std::move(args));
    }
    if (m_pen->Style() == PS_NULL || !Painter())
        return TRUE;
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
    if (m_record) {
        std::vector<int> args;
        args.reserve(size_t(count) * 2);
        for (int i = 0; i < count; ++i) {
            args.push_back(points[i].x);
            args.push_back(points[i].y);
        }
        Record("Polygon", std::move(args));
    }
    if (!Painter())
        return TRUE;
    std::vector<CPoint> dev(static_cast<size_t>(count));
    QPolygon poly(count);
    for (int i = 0; i < count; ++i) {
        dev[size_t(i)] = LPtoDP(points[i]);
        poly[i] = dev[size_t(i)].toQPoint();
    }
    if (m_brush->GetKind() != CBrush::Null && count >= 3) {
        ApplyPen(QPen(Qt::NoPen));
        ApplyBrush(QtBrush(*m_brush));
            m_painter->drawPolygon(poly, m_polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
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
    if (&bitmap.m_image == DeviceImage()) {
        m_painter->drawImage(QPoint(p.x, p.y), bitmap.m_image.copy());
        return;
    }
    m_painter->drawImage(QPoint(p.x, p.y), bitmap.m_image);
}
