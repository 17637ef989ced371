// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/splitter.h"

#include "framework/view.h"
#include "framework/win_app.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

CSplitterWnd::CSplitterWnd() = default;

BOOL CSplitterWnd::CreateStatic(QWidget* parent, int rows, int cols)
{
    if (rows != 1 || cols < 1)
        return FALSE;
    setParent(parent);
    m_columns.assign(size_t(cols), Column());
    setMouseTracking(true);
    show();
    return TRUE;
}

BOOL CSplitterWnd::CreateView(int row, int col, const std::function<CView*()>& factory, CSize size,
                              CCreateContext* context)
{
    if (row != 0 || col < 0 || col >= GetColumnCount() || !factory)
        return FALSE;
    CView* view = factory();
    if (!view)
        return FALSE;
    if (!view->CreateView(this, context ? context->m_pCurrentDoc : nullptr, size)) {
        delete view;
        return FALSE;
    }
    m_columns[size_t(col)].view = view;
    m_columns[size_t(col)].ideal = size.cx;
    return TRUE;
}

CView* CSplitterWnd::GetPane(int row, int col) const
{
    if (row != 0 || col < 0 || col >= GetColumnCount())
        return nullptr;
    return m_columns[size_t(col)].view;
}

void CSplitterWnd::SetColumnInfo(int col, int ideal, int minimum)
{
    if (col < 0 || col >= GetColumnCount())
        return;
    m_columns[size_t(col)].ideal = std::max(0, ideal);
    m_columns[size_t(col)].minimum = std::max(0, minimum);
}

void CSplitterWnd::GetColumnInfo(int col, int& current, int& minimum) const
{
    current = m_columns[size_t(col)].current;
    minimum = m_columns[size_t(col)].minimum;
}

void CSplitterWnd::RecalcLayout()
{
    const int total = width();
    int avail = total;
    const int n = GetColumnCount();
    int lastShown = -1;
    for (int i = 0; i < n; ++i) {
        Column& c = m_columns[size_t(i)];
        int size = 0;
        if (i < n - 1) {
            size = c.ideal < c.minimum || c.ideal == 0 ? 0 : std::min(c.ideal, avail);
            if (size > 0 && size < c.minimum)
                size = 0;
        } else {
            size = avail;
            if (size <= 0 || size < c.minimum)
                size = 0;
        }
        c.current = size;
        if (size > 0) {
            avail = std::max(0, avail - size - kBarWidth);
            lastShown = i;
        }
    }
    // A hidden last column leaves its space (and the bar) to the last shown one.
    if (lastShown >= 0) {
        int used = 0;
        for (int i = 0; i < n; ++i) {
            if (m_columns[size_t(i)].current > 0 && i != lastShown)
                used += m_columns[size_t(i)].current + kBarWidth;
        }
        m_columns[size_t(lastShown)].current = std::max(0, total - used);
    }
    int x = 0;
    for (Column& c : m_columns) {
        c.left = x;
        if (c.view) {
            if (c.current > 0) {
                c.view->setGeometry(x, 0, c.current, height());
                c.view->show();
            } else {
                c.view->hide();
                c.view->setGeometry(x, 0, 0, height());
            }
        }
        if (c.current > 0)
            x += c.current + kBarWidth;
    }
    update();
}

void CSplitterWnd::resizeEvent(QResizeEvent*)
{
    RecalcLayout();
}

int CSplitterWnd::BarAt(int x) const
{
    for (int i = 0; i + 1 < GetColumnCount(); ++i) {
        const Column& c = m_columns[size_t(i)];
        if (c.current <= 0)
            continue;
        const int barLeft = c.left + c.current;
        if (x >= barLeft && x < barLeft + kBarWidth)
            return i;
    }
    return -1;
}

void CSplitterWnd::mousePressEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    m_dragBar = BarAt(x);
    if (m_dragBar >= 0) {
        const Column& c = m_columns[size_t(m_dragBar)];
        m_grabOffset = x - (c.left + c.current);
    }
}

void CSplitterWnd::mouseMoveEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    if (m_dragBar < 0) {
        setCursor(BarAt(x) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
        return;
    }
    Column& c = m_columns[size_t(m_dragBar)];
    // The bar keeps the spot where it was grabbed under the pointer.
    c.ideal = std::max(0, x - m_grabOffset - c.left);
    RecalcLayout();
}

void CSplitterWnd::mouseReleaseEvent(QMouseEvent*)
{
    m_dragBar = -1;
}

void CSplitterWnd::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int i = 0; i + 1 < GetColumnCount(); ++i) {
        const Column& c = m_columns[size_t(i)];
        if (c.current <= 0)
            continue;
        const int left = c.left + c.current;
        p.fillRect(left, 0, kBarWidth, height(), QColor(192, 192, 192));
        p.setPen(Qt::white);
        p.drawLine(left + 1, 0, left + 1, height());
        p.setPen(QColor(128, 128, 128));
        p.drawLine(left + kBarWidth - 2, 0, left + kBarWidth - 2, height());
    }
}
