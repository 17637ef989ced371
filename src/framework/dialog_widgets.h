// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Controls of a dialog that behave as the program's dialogs expect: a
// scroll bar whose every move reaches its owner, and a drop-down list that
// opens to the height of its template.
#include "framework/types.h"

#include <QComboBox>
#include <QScrollBar>
#include <functional>

// A scroll bar whose own menu moves it through the notifications, as its
// arrows and thumb do, so that its owner always hears of a move.
class CNotifyingScrollBar : public QScrollBar {
public:
    using Notify = std::function<void(UINT code, UINT pos)>;
    CNotifyingScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}
    void SetNotify(Notify notify) { m_notify = std::move(notify); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The position whose thumb would be centred on the point.
    int ValueAt(QPoint point) const;

    Notify m_notify;
};

// A drop-down list whose opened list lies below it and shows the rows that
// fit in its template's height below the closed line, scrolling the rest.
class CDropDownList : public QComboBox {
public:
    explicit CDropDownList(QWidget* parent);
    void SetListHeight(int pixels) { m_nListHeight = pixels; }
    void showPopup() override;

private:
    int m_nListHeight = 0;
};
