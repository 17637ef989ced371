// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Looking at the fingerboard as the student sees it: colours and labels of
// stops read from the view's pixels, and clicks where the stops are.
#include "doc/voldrim_doc.h"
#include "model/finger_stop.h"
#include "support/app_harness.h"
#include "views/fingerboard/fboard_view.h"

#include <QColor>
#include <QImage>
#include <QTest>
#include <map>
#include <memory>

namespace fboard_probe {

inline const QColor kGreen(0, 255, 0);
inline const QColor kGrey(192, 192, 192);
inline const QColor kRed(255, 0, 0);
inline const QColor kWhite(255, 255, 255);

inline QColor PixelAt(const CView* view, int x, int y)
{
    return QColor(view->BackingImage().pixel(x, y));
}

inline bool IsDark(const QColor& c)
{
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

// The square inside a stop's shape, clear of its outline even when the
// stop is drawn as an ellipse.
inline CRect InnerBox(const CRect& rc)
{
    const int inset = rc.Width() * 3 / 20 + 1;
    return CRect(rc.left + inset, rc.top + inset, rc.right - inset, rc.bottom - inset);
}

// The colour most pixels of the box have: the fill, whatever text is on it.
inline QColor FillOf(const CView* view, const CRect& rc)
{
    std::map<QRgb, int> counts;
    const CRect box = InnerBox(rc);
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            ++counts[view->BackingImage().pixel(x, y) & 0xFFFFFF];
    QRgb best = 0;
    int most = -1;
    for (const auto& [rgb, n] : counts) {
        if (n > most) {
            best = rgb;
            most = n;
        }
    }
    return QColor(best);
}

inline int DarkPixelsIn(const CView* view, const CRect& box)
{
    int n = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            n += IsDark(PixelAt(view, x, y)) ? 1 : 0;
    return n;
}

inline int PixelsOfColourIn(const CView* view, const CRect& box, const QColor& colour)
{
    int n = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            n += PixelAt(view, x, y) == colour ? 1 : 0;
    return n;
}

// A label is black text on the fill.
inline bool HasLabel(const CView* view, const CRect& rc)
{
    return DarkPixelsIn(view, InnerBox(rc)) > 3;
}

inline QImage PixelsOf(const CView* view, const CRect& rc)
{
    return view->BackingImage().copy(rc.toQRect());
}

inline const CFingerStop& StopOf(CVoldrimDoc* doc, int pitch)
{
    return *FindStopOfPitch(doc->m_stopList, pitch);
}

inline QPoint CentreOf(const CFingerStop& stop)
{
    const CPoint c = stop.GetRect().CenterPoint();
    return QPoint(c.x, c.y);
}

inline void Click(QWidget* view, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(view, button, Qt::NoModifier, at);
}

inline void ClickStop(CFboardView* view, int pitch)
{
    Click(view, CentreOf(StopOf(view->GetDocument(), pitch)));
}

// Everything pending painted, as after the program has gone idle.
inline void Settle(CView* view)
{
    CAppHarness::ProcessEvents();
    view->UpdateWindow();
}

// A fingerboard of its own size on the program's document, for widths the
// main window does not give.
inline std::unique_ptr<CFboardView> LooseView(CVoldrimDoc* doc, int width, int height = 440)
{
    auto view = std::make_unique<CFboardView>();
    view->CreateView(nullptr, doc, CSize(width, height));
    Settle(view.get());
    return view;
}

}  // namespace fboard_probe
