// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/context_help.h"

#include "framework/command_ids.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

namespace {
// Menus stay usable in the mode: a command chosen there names the topic.
bool IsInMenu(QObject* watched)
{
    for (QObject* o = watched; o; o = o->parent()) {
        if (qobject_cast<QMenu*>(o) || qobject_cast<QMenuBar*>(o))
            return true;
    }
    return false;
}
}

CContextHelpMode::CContextHelpMode(QWidget* window, ShowTopic showTopic)
    : m_window(window), m_showTopic(std::move(showTopic))
{
}

CContextHelpMode::~CContextHelpMode()
{
    if (m_bActive)
        QApplication::restoreOverrideCursor();
}

void CContextHelpMode::Enter(DWORD windowContext)
{
    m_windowContext = windowContext;
    if (m_bActive)
        return;
    m_bActive = true;
    m_bSwallowRelease = false;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
}

void CContextHelpMode::Leave()
{
    if (!m_bActive)
        return;
    m_bActive = false;
    QApplication::restoreOverrideCursor();
    if (!m_bSwallowRelease)
        qApp->removeEventFilter(this);
}

bool CContextHelpMode::TakeCommand(UINT id)
{
    if (!m_bActive)
        return false;
    Leave();
    m_showTopic(HID_BASE_COMMAND + id);
    return true;
}

bool CContextHelpMode::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return m_bActive && OnMousePress(watched, event);
    case QEvent::MouseButtonRelease:
        if (!m_bSwallowRelease || !watched->isWidgetType())
            return false;
        m_bSwallowRelease = false;
        if (!m_bActive)
            qApp->removeEventFilter(this);
        return true;
    case QEvent::KeyPress:
        if (m_bActive && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !IsInMenu(watched)) {
            Leave();
            return true;
        }
        return false;
    case QEvent::ApplicationStateChange:
        if (QGuiApplication::applicationState() != Qt::ApplicationActive)
            Leave();
        return false;
    default:
        return false;
    }
}

// The click that ends the mode does nothing else: with the left button
// in the window it opens the window's topic.
bool CContextHelpMode::OnMousePress(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType() || IsInMenu(watched))
        return false;
    const bool left = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const bool inWindow = m_window && static_cast<QWidget*>(watched)->window() == m_window;
    m_bSwallowRelease = true;
    Leave();
    if (left && inWindow)
        m_showTopic(m_windowContext);
    return true;
}
