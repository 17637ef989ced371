// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/view.h"

#include "framework/document.h"
#include "framework/frame_wnd.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

CView::CView() : m_timers(this, [this](UINT_PTR id) { OnTimer(id); })
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

bool CView::CreateView(QWidget* parent, CDocument* document, CSize initialSize)
{
    CREATESTRUCT cs;
    cs.cx = initialSize.cx;
    cs.cy = initialSize.cy;
    cs.style = WS_CHILD | WS_VISIBLE;
    if (!PreCreateWindow(cs))
        return false;
    m_class = AfxLookupWndClass(cs.lpszClass);
    if (m_class.hasCursor)
        setCursor(Qt::ArrowCursor);
    setParent(parent);
    m_pDocument = document;
    if (document)
        document->AddView(this);
    resize(cs.cx, cs.cy);
    if (OnCreate() == -1) {
        if (document)
            document->RemoveView(this);
        m_pDocument = nullptr;
        return false;
    }
    show();
    return true;
}

CFrameWnd* CView::GetParentFrame() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(w))
            return frame;
    }
    return nullptr;
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass.isEmpty()) {
        static CBrush white(RGB(255, 255, 255));
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, IDC_ARROW, &white);
    }
    return TRUE;
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::Invalidate(BOOL erase)
{
    InvalidateRect(nullptr, erase);
}

void CView::InvalidateRect(const CRect* rc, BOOL erase)
{
    const QRect area = rc ? rc->toQRect().normalized() & rect() : rect();
    if (area.isEmpty())
        return;
    m_invalid += area;
    // One erase flag for the whole update region, as windows have it.
    if (erase)
        m_erasePending = true;
    SchedulePaint();
}

void CView::ValidateRect(const CRect* rc)
{
    if (rc)
        m_invalid -= rc->toQRect();
    else
        m_invalid = QRegion();
    if (m_invalid.isEmpty())
        m_erasePending = m_paintLimited = false;
}

void CView::LimitPendingPaint(const QRegion& region)
{
    // During a pass (a message box's loop) the picture is being drawn.
    if (!m_showsWholePaint || m_inPaint)
        return;
    m_invalid = region & rect();
    m_erasePending = m_paintLimited = !m_invalid.isEmpty();
}

void CView::NoteWindowDrawing()
{
    if (!m_inPaint || !m_passIsWhole)
        m_showsWholePaint = false;
}

void CView::SchedulePaint()
{
    if (m_paintPosted)
        return;
    m_paintPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_paintPosted = false;
            UpdateWindow();
        },
        Qt::QueuedConnection);
}

void CView::UpdateWindow()
{
    if (m_inPaint || m_invalid.isEmpty() || m_backing.isNull()) {
        if (m_backing.isNull())
            ValidateRect(nullptr);
        return;
    }
    // The region is valid again once the pass starts: whatever the drawing
    // invalidates afterwards asks for another pass.
    const QRegion region = m_invalid;
    const bool erase = m_erasePending;
    const bool limited = m_paintLimited;
    m_invalid = QRegion();
    m_erasePending = m_paintLimited = false;
    m_passIsWhole = erase && (QRegion(rect()) - region).isEmpty();
    m_inPaint = true;
    {
        CDC dc(&m_backing, region);
        if (erase)
            OnEraseBkgnd(&dc);
        OnDraw(&dc);
    }
    m_inPaint = false;
    m_showsWholePaint = m_passIsWhole || (limited && m_showsWholePaint);
    update(region);
    if (!m_invalid.isEmpty())
        SchedulePaint();
}

BOOL CView::OnEraseBkgnd(CDC* pDC)
{
    if (!m_class.hasBackground)
        return FALSE;
    pDC->FillSolidRect(CRect(0, 0, width(), height()), m_class.background);
    return TRUE;
}

void CView::GetClientRect(CRect* rc) const
{
    *rc = CRect(0, 0, width(), height());
}

void CView::SendCommand(UINT id)
{
    if (CFrameWnd* frame = GetParentFrame()) {
        frame->RouteCommand(id, this);
        return;
    }
    if (!OnCmdMsg(id) && m_pDocument)
        m_pDocument->OnCmdMsg(id);
}

void CView::OnSize(UINT, int, int) {}
void CView::OnLButtonDown(UINT, CPoint) {}
void CView::OnLButtonUp(UINT, CPoint) {}
void CView::OnLButtonDblClk(UINT, CPoint) {}
void CView::OnRButtonDown(UINT, CPoint) {}
void CView::OnMouseMove(UINT, CPoint) {}
void CView::OnKeyDown(UINT, UINT, UINT) {}
void CView::OnKeyUp(UINT, UINT, UINT) {}
void CView::OnTimer(UINT_PTR) {}

void CView::OnSetFocus()
{
    if (CFrameWnd* frame = GetParentFrame())
        frame->SetActiveView(this);
}

void CView::paintEvent(QPaintEvent*)
{
    // Moved to a screen of another ratio: drawn again at its pixels.
    if (!m_backing.isNull() && m_backing.devicePixelRatio() != devicePixelRatioF())
        ResizeBacking(size());
    // The image has the screen's pixels, so it is copied one to one; the
    // painter is clipped to the region to be painted.
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_backing);
}

void CView::resizeEvent(QResizeEvent* event)
{
    const QSize size = event->size();
    ResizeBacking(size);
    OnSize(SIZE_RESTORED, size.width(), size.height());
}

void CView::ResizeBacking(QSize size)
{
    if (size.isEmpty()) {
        CDC::ReleasePaintersOn(&m_backing);
        m_backing = QImage();
        m_backingSize = QSize();
        m_invalid = QRegion();
        m_showsWholePaint = false;
        return;
    }
    // Keep what was drawn; only newly exposed parts need painting. An image
    // with room for the new size is kept as it is: a window dragged larger
    // and smaller again costs no new image of the whole screen.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
    const bool sameRatio = !m_backing.isNull() && m_backing.devicePixelRatio() == ratio;
    if (!sameRatio || m_backing.width() < pixels.width() || m_backing.height() < pixels.height())
        GrowBacking(pixels + pixels / kBackingRoomToGrow, ratio);
    QRegion exposed(QRect(QPoint(0, 0), size));
    if (sameRatio)
        exposed -= QRect(QPoint(0, 0), m_backingSize);
    m_backingSize = size;
    m_invalid &= QRect(QPoint(0, 0), size);
    if (!exposed.isEmpty()) {
        m_invalid += exposed;
        m_erasePending = true;
        SchedulePaint();
    }
}

void CView::GrowBacking(QSize pixels, qreal ratio)
{
    CDC::ReleasePaintersOn(&m_backing);
    QImage image(pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(m_class.hasBackground ? QColor(GetRValue(m_class.background), GetGValue(m_class.background),
                                              GetBValue(m_class.background))
                                     : QColor(Qt::white));
    if (!m_backing.isNull()) {
        QPainter p(&image);
        p.drawImage(QPointF(0, 0), m_backing);
    }
    m_backing = image;
}

UINT CView::MouseFlags(const QMouseEvent* event)
{
    UINT flags = 0;
    if (event->buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (event->buttons() & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (event->buttons() & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (event->modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

void CView::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(MouseFlags(event), CPoint(p.x(), p.y()));
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(MouseFlags(event), CPoint(p.x(), p.y()));
}

void CView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(MouseFlags(event), CPoint(p.x(), p.y()));
}

void CView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // With double-clicks enabled in the class, the second press is a
    // double-click message and not a second button-down.
    if ((m_class.style & CS_DBLCLKS) == 0) {
        mousePressEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(MouseFlags(event), CPoint(p.x(), p.y()));
}

void CView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    OnMouseMove(MouseFlags(event), CPoint(p.x(), p.y()));
}

UINT CView::VirtualKey(const QKeyEvent* event)
{
    const int key = event->key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return UINT(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return UINT(0x70 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Shift: return 0x10;
    case Qt::Key_Control: return 0x11;
    case Qt::Key_Alt: return 0x12;
    case Qt::Key_Space: return 0x20;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Tab: return 0x09;
    default: return 0;
    }
}

void CView::keyPressEvent(QKeyEvent* event)
{
    const UINT vk = VirtualKey(event);
    if (vk == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    OnKeyDown(vk, 1, event->isAutoRepeat() ? 0x4000 : 0);
}

void CView::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats its key-down only; the key-up comes once.
    if (event->isAutoRepeat())
        return;
    const UINT vk = VirtualKey(event);
    if (vk == 0) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    OnKeyUp(vk, 1, 0xC000);
}

void CView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    OnSetFocus();
}

CClientDC::CClientDC(CView* view) : CDC(&view->BackingImage()), m_view(view) {}

CClientDC::~CClientDC()
{
    ReleasePainter();
    // Only what was drawn needs showing again.
    if (!DrawnBounds().isEmpty()) {
        m_view->update(DrawnBounds());
        m_view->NoteWindowDrawing();
    }
}
