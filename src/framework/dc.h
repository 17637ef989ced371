// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CDC: a device context that draws with the conventions the program's
// drawing code was written for, on a QImage (a view's backing image) or on
// any other paint device (a printer page, a PDF).
//
// Conventions kept:
// - LineTo draws from the current position up to, but not including, the
//   end point, and moves the current position there.
// - Rectangle, Ellipse and RoundRect cover left..right-1 and top..bottom-1;
//   the outline is drawn with the selected pen, the inside filled with the
//   selected brush. FillRect and FillSolidRect leave out right and bottom.
// - TextOut anchors the text at its top-left corner; in OPAQUE mode (the
//   default) the text cell is first filled with the background colour.
// - Shapes are drawn without anti-aliasing so geometry is pixel-exact.
// - MM_TEXT: one unit is one device pixel, y down. MM_LOENGLISH: one unit
//   is 0.01 inch, y up (callers pass negative y to go down the page).
//
// The device context keeps its own drawing state (selected pen, brush,
// font, colours, mapping mode, current position) and opens a QPainter only
// while it draws, so that painters can be ended around modal loops: only one
// QPainter may be active on a device at a time, and opening one here ends any
// other CDC's painter on the same device.
//
// Further details of this implementation:
// - On an image, all geometry is rasterised by the device context itself in
//   device pixels (1-pixel lines by Bresenham, shapes and polygon insides as
//   pixel spans), so results do not depend on Qt's rasteriser; a polygon's
//   inside holds the pixels inside its outline, left and top edges
//   included, so fill and outline share their edge pixels. Pens wider than
//   one device pixel cover, across a line at x, the pixels x - w/2 ..
//   x + (w-1)/2; Rectangle, Ellipse and RoundRect with a wide pen centre the
//   pen band on their 1-pixel outline.
// - With a null pen a shape is filled over its whole area left..right-1.
// - An image with a device-pixel ratio (a view's backing image on a HiDPI
//   screen) keeps its device units: the painter maps each unit to ratio x
//   ratio image pixels (rounded at a fractional ratio), so lines, fills and
//   single pixels are exactly the pixels drawn at ratio 1, each one
//   enlarged. Polygons keep their corners on the centres of their units,
//   ellipses and round rectangles the edges of their box and pen band on
//   units, and their slanted and curved edges step by image pixels; text
//   and wide lines are drawn by Qt at the image's resolution.
// - On any other device (a printer, a PDF, a preview page) every line,
//   polygon and shape goes to the painter whole, as a vector primitive in
//   floating-point device units, so that it stays crisp at the device's
//   resolution; pens keep their width in logical units and have round ends.
// - Under MM_LOENGLISH, coordinates, pen widths and font heights are
//   converted with the device's logicalDpiX/Y (rounded like MulDiv); text is
//   drawn upright with its top-left corner at the converted point.
// - The default font (none selected) is Arial bold with a cell height of
//   16 pixels, standing in for the system font of a fresh device context.
// - A device context without a device only records (SetRecorder) and
//   measures text.
#include "framework/gdi_objects.h"
#include "framework/types.h"

#include <QBrush>
#include <QPen>
#include <QPointF>
#include <QRegion>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPaintDevice;
class QPainter;

enum BkMode { TRANSPARENT = 1, OPAQUE = 2 };
enum PolyFillMode { ALTERNATE = 1, WINDING = 2 };
enum DeviceCapsIndex { HORZRES = 8, VERTRES = 10, LOGPIXELSX = 88, LOGPIXELSY = 90 };
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
enum MapMode { MM_TEXT = 1, MM_LOENGLISH = 4 };
enum DrawTextFlags { DT_TOP = 0, DT_LEFT = 0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
                     DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_NOCLIP = 0x100,
                     DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800 };
constexpr DWORD SRCCOPY = 0x00CC0020;

// Text metrics in logical units, for the selected font.
struct TEXTMETRIC {
    int tmHeight = 0;          // ascent + descent (the cell height)
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0; // cell height - em height
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = 0;
};

// One drawing call as a recording device context keeps it.
struct GdiCall {
    std::string op;         // "MoveTo", "LineTo", "Rectangle", "Ellipse", "RoundRect", "Polygon",
                            // "Polyline", "FillRect", "FillSolidRect", "TextOut", "DrawText",
                            // "SetPixel" (args x, y, colour), "BitBlt", "DrawBitmap" (x, y, w, h)
    std::vector<int> args;  // coordinates in logical units, in the order of the call
    CString text;           // for TextOut and DrawText
    COLORREF penColor = 0;  // state when the call was made
    int penWidth = 0;
    int penStyle = PS_SOLID;
    COLORREF brushColor = 0;
    int brushKind = CBrush::Solid;
    COLORREF textColor = 0;
    UINT format = 0;        // DrawText flags
};

class CDC {
public:
    CDC();
    // Draws on the device; an optional clip region in device pixels limits it.
    explicit CDC(QPaintDevice* device, const QRegion& clip = QRegion());
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    void Attach(QPaintDevice* device, const QRegion& clip = QRegion());
    QPaintDevice* GetDevice() const { return m_device; }
    // Ends the QPainter if one is open (before a modal loop, at the end of a pass).
    void ReleasePainter();
    // Ends whatever device context paints on the device (before the device
    // itself is replaced, as a view's backing image is on a resize).
    static void ReleasePaintersOn(QPaintDevice* device);
    // The open painter (opened if need be; nullptr without a device), e.g. for
    // QPrinter::newPage(). Its state belongs to the device context: whoever
    // changes it must call PainterStateChanged() afterwards.
    QPainter* GetPainter() { return Painter(); }
    void PainterStateChanged();

    // Memory device context for bitmaps: selecting a bitmap makes it the device.
    BOOL CreateCompatibleDC(CDC* other);

    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    // Selects a stock pen or brush; returns the stock id that was replaced is not kept.
    void SelectStockObject(int stockObject);

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_bkColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_bkMode; }
    int SetMapMode(int mode);
    int GetMapMode() const { return m_mapMode; }
    int SetPolyFillMode(int mode);
    int GetPolyFillMode() const { return m_polyFillMode; }
    // HORZRES, VERTRES (device pixels), LOGPIXELSX, LOGPIXELSY.
    int GetDeviceCaps(int index) const;

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(CPoint p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const { return m_pos; }
    BOOL Rectangle(int l, int t, int r, int b);
    BOOL Rectangle(const CRect& rc) { return Rectangle(rc.left, rc.top, rc.right, rc.bottom); }
    BOOL Ellipse(int l, int t, int r, int b);
    BOOL Ellipse(const CRect& rc) { return Ellipse(rc.left, rc.top, rc.right, rc.bottom); }
    BOOL RoundRect(int l, int t, int r, int b, int cornerW, int cornerH);
    BOOL RoundRect(const CRect& rc, CPoint corner) { return RoundRect(rc.left, rc.top, rc.right, rc.bottom, corner.x, corner.y); }
    BOOL Polygon(const CPoint* points, int count);
    BOOL Polyline(const CPoint* points, int count);
    void FillRect(const CRect& rc, CBrush* brush);
    void FillSolidRect(const CRect& rc, COLORREF color);
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;

    BOOL TextOut(int x, int y, const CString& text);
    int DrawText(const CString& text, CRect* rc, UINT format);
    CSize GetTextExtent(const CString& text) const;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

    BOOL BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop = SRCCOPY);
    // Draws a bitmap whole with its top-left corner at (x, y).
    void DrawBitmap(int x, int y, const CBitmap& bitmap);

    // Logical to device units and back for the current mapping mode.
    CPoint LPtoDP(CPoint p) const;
    CPoint DPtoLP(CPoint p) const;
    void LPtoDP(CRect* rc) const;
    void DPtoLP(CRect* rc) const;

    // Whether any part of the rectangle lies inside the clip region, or on
    // the device where there is none; always TRUE without a device.
    BOOL RectVisible(const CRect& rc) const;
    // The device pixels drawn on an image since the device was attached:
    // a rectangle holding them all, empty when nothing was drawn.
    QRect DrawnBounds() const { return m_drawn; }

    // Recording: every primitive is appended to the list while it is set.
    void SetRecorder(std::vector<GdiCall>* calls) { m_record = calls; }

    BOOL IsPrinting() const { return m_printing; }
    void SetPrinting(BOOL printing) { m_printing = printing; }

private:
    struct DeviceFont;
    QPainter* Painter();
    // Records a call whose arguments are a list of points.
    void RecordPoints(const char* op, const CPoint* points, int count);
    void Record(const char* op, std::vector<int> args, const CString& text = CString(), UINT format = 0);
    void RecordCall(GdiCall&& call);
    void MarkDrawn(const QRect& deviceRect) { m_drawn |= deviceRect; }
    int DpiX() const;
    int DpiY() const;
    int DevicePenWidth(const CPen& pen) const;
    CRect ToDeviceRect(int l, int t, int r, int b) const;
    const DeviceFont& CurrentFont() const;
    QImage* DeviceImage() const;
    void ApplyPen(const QPen& pen);
    void ApplyBrush(const QBrush& brush);
    void ApplyFont(const DeviceFont& font);
    void ResetAppliedState();
    QBrush QtBrush(const CBrush& brush);
    void FillDeviceRect(const QRect& rc, const CBrush& brush);
    void DrawDeviceLine(CPoint from, CPoint to);
    // A 1-pixel line on an image of `ratio` pixels a device unit.
    void DrawFineLine(CPoint from, CPoint to, double ratio);
    // The brush's part of a polygon of device points.
    void FillPolygonInside(const std::vector<CPoint>& points);
    void DrawWideSegments(const std::vector<CPoint>& pts, bool closed, int width, COLORREF color);
    // Rectangles and round rectangles have corners of a given size (none for
    // a rectangle); an ellipse is all corner.
    enum class ShapeKind { Rectangle, RoundRect, Ellipse };
    void DrawShape(ShapeKind kind, int l, int t, int r, int b, CSize corner = CSize());
    CSize DeviceCorner(ShapeKind kind, const CRect& deviceRect, CSize corner) const;
    // The shape's pixels: device units at a ratio of 1, else image pixels.
    void PaintShape(const std::vector<QRect>& inside, const std::vector<QRect>& outline, double ratio);
    void PaintFineShape(const std::vector<QRect>& inside, const std::vector<QRect>& outline, double ratio);
    // Image pixels per device unit: the image's device-pixel ratio, 1 on
    // any other device.
    double ImagePixelRatio() const;
    // Vector output (dc_vector.cpp), for devices that are not images.
    bool DrawsVectors() const;
    QPointF VectorPoint(CPoint p) const;
    QPen VectorPen() const;
    void VectorLine(CPoint from, CPoint to);
    void VectorPolygon(const CPoint* points, int count, bool closed);
    void VectorShape(ShapeKind kind, int l, int t, int r, int b, CSize corner);
    struct TextLines;
    void DrawTextLines(const TextLines& text, const CRect& box, int top, UINT format, const DeviceFont& font);
    void DrawTextLine(const QString& text, int x, int y, const DeviceFont& font);
    // The device's own clip region again, after a narrower clip of one call.
    void RestoreDeviceClip();
    int LogicalWidth(int deviceWidth) const;
    int LogicalHeight(int deviceHeight) const;

    QPaintDevice* m_device = nullptr;
    QRegion m_clip;
    QRect m_drawn;
    std::unique_ptr<QPainter> m_painter;
    CBitmap* m_selectedBitmap = nullptr;

    CPen m_defaultPen{PS_SOLID, 1, RGB(0, 0, 0)};
    CBrush m_defaultBrush{RGB(255, 255, 255)};
    CFont m_defaultFont;
    CPen m_stockPen;
    CBrush m_stockBrush;
    CPen* m_pen = &m_defaultPen;
    CBrush* m_brush = &m_defaultBrush;
    CFont* m_font = &m_defaultFont;
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
    int m_mapMode = MM_TEXT;
    CPoint m_pos;
    BOOL m_printing = FALSE;
    std::vector<GdiCall>* m_record = nullptr;

    mutable std::unique_ptr<DeviceFont> m_fontCache;  // the device font of the selected font
    QPen m_appliedPen;
    QBrush m_appliedBrush;
    std::uint64_t m_appliedFontId = 0;
    int m_appliedFontHeight = 0;
    bool m_memoryDC = false;
    int m_polyFillMode = ALTERNATE;
    int m_styleCount = 0;  // position in the dash pattern of 1-pixel styled lines
    QBrush m_hatchBrush;   // cached texture of the last hatched brush
    quint64 m_hatchKey = ~quint64(0);
};
