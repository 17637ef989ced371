// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A static splitter of one row: each column has an ideal and a minimum
// width; a column that would be narrower than its minimum is not shown.
// The bar between two shown columns can be dragged.
#include "framework/types.h"

#include <QWidget>
#include <functional>
#include <vector>

class CView;
struct CCreateContext;

class CSplitterWnd : public QWidget {
public:
    static constexpr int kBarWidth = 7;

    CSplitterWnd();
    BOOL CreateStatic(QWidget* parent, int rows, int cols);
    // Creates the view that factory makes in the given pane, on the context's document.
    BOOL CreateView(int row, int col, const std::function<CView*()>& factory, CSize size, CCreateContext* context);
    CView* GetPane(int row, int col) const;
    int GetColumnCount() const { return int(m_columns.size()); }

    void SetColumnInfo(int col, int ideal, int minimum);
    void GetColumnInfo(int col, int& current, int& minimum) const;
    int GetIdealWidth(int col) const { return m_columns[size_t(col)].ideal; }
    void RecalcLayout();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Column {
        int ideal = 0;
        int minimum = 0;
        int current = 0;
        int left = 0;
        CView* view = nullptr;
    };
    int BarAt(int x) const;

    std::vector<Column> m_columns;
    int m_dragBar = -1;
    int m_grabOffset = 0;
};
