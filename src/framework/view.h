// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CView: a child window that shows its document. It paints like a classic
// window rather than a Qt widget: the view keeps a backing image of its
// client area; InvalidateRect adds to an invalid region and posts a paint
// pass; the pass erases with the window class's background where asked,
// calls OnDraw with a device context clipped to the invalid region and
// then lets Qt copy the image to the screen. Drawing through a CClientDC
// lands on the image at once, unclipped. Qt's paintEvent only copies.
// The image has the screen's pixels (its device-pixel ratio, so that a
// HiDPI screen shows it sharp), while everything the view draws, sizes and
// invalidates is in logical units, the widget's own.
#include "framework/cmd_target.h"
#include "framework/dc.h"
#include "framework/print_info.h"
#include "framework/timer_set.h"
#include "framework/wnd_class.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

class CDocument;
class CObject;
class CFrameWnd;

enum MouseKeyFlags : UINT { MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8, MK_MBUTTON = 0x10 };
enum SizeType : UINT { SIZE_RESTORED = 0 };

class CView : public QWidget, public CCmdTarget {
public:
    CView();
    ~CView() override;

    // Creates the window as a child of parent, attached to the document.
    // Runs PreCreateWindow and OnCreate; false when OnCreate fails.
    bool CreateView(QWidget* parent, CDocument* document, CSize initialSize);

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const;

    virtual void OnDraw(CDC* pDC) = 0;
    // Hint 0 from the base: everything is repainted.
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);
    virtual void OnInitialUpdate();

    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const CRect* rc, BOOL erase = TRUE);
    void InvalidateRect(const CRect& rc, BOOL erase = TRUE) { InvalidateRect(&rc, erase); }
    void ValidateRect(const CRect* rc);
    // Runs a pending paint pass now.
    void UpdateWindow();
    bool IsPaintPending() const { return !m_invalid.isEmpty(); }
    QRegion PendingRegion() const { return m_invalid; }
    // Whether the picture, outside the pending region, is what a whole
    // erased paint pass would draw: since the last such pass nothing was
    // drawn on the window outside a pass, and no pass painted only part of
    // it. A resize keeps the picture; the view invalidates what its new
    // size changes.
    bool ShowsWholePaint() const { return m_showsWholePaint; }
    // For a view that shows a whole paint and knows which part of it a
    // pending repaint changes: only that region (not empty) is erased and
    // painted, and the picture shows a whole paint again afterwards.
    void LimitPendingPaint(const QRegion& region);

    void GetClientRect(CRect* rc) const;
    void ShowWindow(bool show) { setVisible(show); }
    void SetFocus() { setFocus(Qt::OtherFocusReason); }

    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs) { return m_timers.SetTimer(id, elapseMs); }
    BOOL KillTimer(UINT_PTR id) { return m_timers.KillTimer(id); }
    CTimerSet& Timers() { return m_timers; }

    // The picture of the client area as last drawn, at the screen's
    // device-pixel ratio (pixel(x, y) is logical x, y only at ratio 1).
    const QImage& BackingImage() const { return m_backing; }
    QImage& BackingImage() { return m_backing; }

    // Commands from the view's child buttons, routed like menu commands.
    void SendCommand(UINT id);

    // Printing (view_print.cpp). File Print runs OnPreparePrinting (the
    // print dialog), OnBeginPrinting, then for pages 1, 2, ... OnPrepareDC
    // and, while that leaves m_bContinuePrinting set, OnPrint; finally
    // OnEndPrinting. Print Preview runs the same steps, OnPrepareDC and
    // OnPrint for each page it shows.
    void OnFilePrint();
    void OnFilePrintPreview();
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Without a print job, pInfo is null. The base prints the first page only.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // The base draws the page as the view draws its window.
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The print dialog for a job on paper; false when the user cancels.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    // The steps after the print dialog: begin, the pages, end; says so when
    // the printer could not start.
    void RunPrintJob(QPrinter& printer);
    // The same steps without a word: the number of pages printed, or -1
    // when the printer could not start.
    int PrintJob(QPrinter& printer);
    // Pages firstPage to lastPage on the device context while the view
    // continues; returns how many were drawn, or -1 when the printer could
    // not start.
    int PrintPages(CDC& dc, CPrintInfo& info, UINT firstPage, UINT lastPage);

protected:
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual int OnCreate() { return 0; }
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnKeyDown(UINT nChar, UINT repeatCount, UINT flags);
    virtual void OnKeyUp(UINT nChar, UINT repeatCount, UINT flags);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnSetFocus();
    // Erases the invalid area with the class background; false to skip.
    virtual BOOL OnEraseBkgnd(CDC* pDC);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    friend class CClientDC;
    void SchedulePaint();
    // Drawing on the window keeps a whole paint only inside a whole pass.
    void NoteWindowDrawing();
    // A backing image of the size at the screen's ratio, with the picture
    // drawn so far in it; at the same ratio what that picture covers stays
    // valid, the rest is painted again.
    void ResizeBacking(QSize size);
    // A new backing image of that many pixels, the old picture copied in.
    void GrowBacking(QSize pixels, qreal ratio);
    // A new backing image is this much larger again (an eighth), so that a
    // window dragged larger does not need a new one at every step.
    static constexpr int kBackingRoomToGrow = 8;
    static UINT MouseFlags(const QMouseEvent* event);
    static UINT VirtualKey(const QKeyEvent* event);
    // The application's printer for a job or a preview, and the view's
    // OnPreparePrinting; false when there is no job.
    bool PrepareJob(CPrintInfo& info, BOOL preview);

    CDocument* m_pDocument = nullptr;
    WndClassInfo m_class;
    // Its pixels may reach past the view: what the view shows is the top
    // left of it, m_backingSize in logical units.
    QImage m_backing;
    QSize m_backingSize;
    QRegion m_invalid;
    bool m_erasePending = false;
    bool m_paintPosted = false;
    bool m_inPaint = false;
    bool m_showsWholePaint = false;
    bool m_paintLimited = false;
    bool m_passIsWhole = false;
    CTimerSet m_timers;
};

// A device context on the view's own window: draws on the backing image at
// once, without clipping, and shows what it drew when released.
class CClientDC : public CDC {
public:
    explicit CClientDC(CView* view);
    ~CClientDC() override;

private:
    CView* m_view;
};
