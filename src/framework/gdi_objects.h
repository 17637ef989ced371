// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pens, brushes, fonts and bitmaps: created once by their owners and
// selected into a device context, as the drawing code of the views expects.
#include "framework/types.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>

enum PenStyle { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_NULL = 5 };
enum HatchStyle { HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4, HS_DIAGCROSS = 5 };
enum FontWeight { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };
// CFont quality values that change the rendering (the others are accepted and ignored).
enum FontQuality { DEFAULT_QUALITY = 0, NONANTIALIASED_QUALITY = 3, ANTIALIASED_QUALITY = 4 };
enum StockObject { WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, BLACK_BRUSH = 4, NULL_BRUSH = 5,
                   WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8 };

class CPen {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
    BOOL DeleteObject();
    bool IsCreated() const { return m_created; }
    int Style() const { return m_style; }
    int Width() const { return m_width; }
    COLORREF Color() const { return m_color; }

private:
    bool m_created = false;
    int m_style = PS_SOLID;
    int m_width = 1;
    COLORREF m_color = 0;
};

class CBrush {
public:
    enum Kind { Solid, Hatched, Null };
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateHatchBrush(int hatchStyle, COLORREF color);
    BOOL CreateNullBrush();
    BOOL DeleteObject();
    bool IsCreated() const { return m_created; }
    Kind GetKind() const { return m_kind; }
    int Hatch() const { return m_hatch; }
    COLORREF Color() const { return m_color; }

private:
    bool m_created = false;
    Kind m_kind = Solid;
    int m_hatch = HS_DIAGCROSS;
    COLORREF m_color = 0;
};

// A font made from the logical description the views use. The height has
// the usual meaning: negative is the character height in pixels, positive
// the cell height (ascent + descent), 0 a default size.
class CFont {
public:
    CFont() = default;
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight,
                    BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const char* faceName);
    // The short form that most callers need.
    BOOL CreateFont(int height, int weight, const char* faceName)
    {
        return CreateFont(height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0, faceName);
    }
    BOOL DeleteObject();
    bool IsCreated() const { return m_created; }
    // The font for MM_TEXT: its pixel size follows from Height() as above
    // (a height of 0 gives an em of 16 pixels).
    const QFont& GetQFont() const { return m_font; }
    int Height() const { return m_height; }
    int Weight() const { return m_weight; }
    QString FaceName() const { return m_face; }
    // A number that changes whenever the font is created again (0 = never created).
    std::uint64_t Id() const { return m_id; }

    // The font for a height in device pixels, with the same meaning of the
    // sign as Height(); used by the device context under other mapping modes.
    QFont FontForDeviceHeight(int deviceHeight) const;
    // The Qt pixel size (em) for a GDI height on a font description: the em
    // itself for a negative height, else the size whose ascent + descent
    // comes closest to the height.
    static int PixelSizeForHeight(const QFont& base, int height);

private:
    bool m_created = false;
    int m_height = 0;
    int m_width = 0;
    int m_weight = FW_NORMAL;
    std::uint64_t m_id = 0;
    QString m_face;
    QFont m_base;  // family, weight, style; no size
    QFont m_font;
    mutable int m_cachedDeviceHeight = 0;
    mutable QFont m_cachedFont;
};

// A bitmap resource: an SVG picture under :/res/bitmaps/ rendered at its
// own fixed size in logical pixels (the size written in the SVG's width and
// height), with as many image pixels per logical pixel as the screen has
// (the image's device-pixel ratio).
// The size of an icon, in pixels each way.
constexpr int kIconSize = 32;

// The pixels a bitmap is rendered at, per logical pixel: the highest
// device-pixel ratio of the screens, so that it is sharp on any of them.
qreal AfxBitmapPixelRatio();
// An SVG file (or resource path) rendered at its own size or at the size
// given, with ratio image pixels per logical pixel; a null image when it
// is missing or not a valid SVG. Safe on any thread.
QImage AfxRenderSvg(const QString& path, QSize wanted, qreal ratio);

class CBitmap {
public:
    CBitmap() = default;
    // name is the resource name, e.g. "SHOWMEU"; looks for :/res/bitmaps/<name>.svg
    BOOL LoadBitmap(const char* name);
    BOOL LoadBitmap(UINT id); // :/res/bitmaps/<id>.svg
    // An icon: the picture of that number drawn whole at the size of an
    // icon, whatever size it was drawn at.
    BOOL LoadIcon(const char* name);
    // Renders any SVG file (or resource path) the same way, at its own size
    // or at the size given; FALSE and an unloaded bitmap when it is missing
    // or not a valid SVG.
    BOOL LoadSvg(const QString& path, QSize size = QSize());
    BOOL DeleteObject() { m_image = QImage(); m_size = CSize(); return TRUE; }
    bool IsLoaded() const { return !m_image.isNull(); }
    // In logical pixels.
    CSize GetSize() const { return m_size; }
    const QImage& GetImage() const { return m_image; }
    void SetImage(const QImage& image);

private:
    friend class CDC; // a memory device context draws on the selected bitmap
    QImage m_image;
    CSize m_size;
};
