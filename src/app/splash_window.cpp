// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_window.h"

#include "res/resource.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWindow>
#include <QPainter>

namespace {
bool g_enabled = false;
CSplashWindow* g_current = nullptr;
constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kCloseAfterMs = 4500;
}

void CSplashWindow::EnableSplashScreen(bool enable)
{
    g_enabled = enable;
}

bool CSplashWindow::IsEnabled()
{
    return g_enabled;
}

CSplashWindow* CSplashWindow::Current()
{
    return g_current;
}

CSplashWindow::CSplashWindow() : m_timers(this, [this](UINT_PTR) { HideSplashScreen(); })
{
    setAttribute(Qt::WA_DeleteOnClose);
}

CSplashWindow::~CSplashWindow()
{
    if (g_current == this)
        g_current = nullptr;
}

void CSplashWindow::ShowSplashScreen(QWidget* parent)
{
    if (!g_enabled || g_current)
        return;
    g_current = new CSplashWindow();
    if (!g_current->Create(parent)) {
        delete g_current;
        return;
    }
    g_current->PaintNow();
}

void CSplashWindow::PaintNow()
{
    // The start-up sound blocks the program right after this, so the
    // picture must be on screen now: wait (briefly) until the window
    // system has mapped the window, then paint it.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool CSplashWindow::Create(QWidget* parent)
{
    if (!m_bitmap.LoadBitmap(IDB_SPLASH))
        return false;
    setParent(parent, Qt::SplashScreen | Qt::FramelessWindowHint);
    const CSize size = m_bitmap.GetSize();
    setFixedSize(size.cx, size.cy);
    // Centred over its owner.
    QRect area = parent ? parent->frameGeometry() : QRect();
    if (!area.isEmpty())
        move(area.center() - QPoint(size.cx / 2, size.cy / 2));
    m_timers.SetTimer(kCloseTimer, kCloseAfterMs);
    show();
    return true;
}

void CSplashWindow::HideSplashScreen()
{
    close();
}

void CSplashWindow::PreTranslateAppMessage(QEvent* event)
{
    if (!g_current)
        return;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        g_current->HideSplashScreen();
        break;
    default:
        break;
    }
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_bitmap.GetImage());
}
