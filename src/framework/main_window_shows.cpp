// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/main_window_shows.h"

#include "framework/frame_wnd.h"
#include "framework/win_app.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace {

// Posted, so that it runs from the event loop, after what is being done now.
void RunSoon(std::function<void()> call)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(call), Qt::QueuedConnection);
}

// Waits, as a filter of every event of the application, for the main
// window's first Show event; gone with the application otherwise.
class CShowWatcher : public QObject {
public:
    explicit CShowWatcher(std::function<void()> call) : QObject(QCoreApplication::instance()), m_call(std::move(call))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        CFrameWnd* frame = AfxGetMainWnd();
        if (event->type() == QEvent::Show && frame && watched == static_cast<QObject*>(frame)) {
            QCoreApplication::instance()->removeEventFilter(this);
            RunSoon(std::move(m_call));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_call;
};

// Waits, as a filter of every event of the application, for the first
// painting of a widget of the main window, or for its time to run out.
class CPaintWatcher : public QObject {
public:
    explicit CPaintWatcher(std::function<void()> call) : QObject(QCoreApplication::instance()), m_call(std::move(call))
    {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(kLatestAfterPaintMs, this, [this] { Done(); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const CFrameWnd* frame = AfxGetMainWnd();
        // The rest of the window is painted in the same pass, before what
        // Done posts runs.
        if (event->type() == QEvent::Paint && frame && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == frame)
            Done();
        return false;
    }

private:
    void Done()
    {
        if (!m_call)
            return;
        QCoreApplication::instance()->removeEventFilter(this);
        RunSoon(std::exchange(m_call, {}));
        deleteLater();
    }

    std::function<void()> m_call;
};

} // namespace

void AfxCallWhenMainWindowShows(std::function<void()> call)
{
    if (!QCoreApplication::instance())
        return;
    const CFrameWnd* frame = AfxGetMainWnd();
    if (frame && frame->isVisible())
        RunSoon(std::move(call));
    else
        new CShowWatcher(std::move(call));
}

void AfxCallWhenMainWindowPainted(std::function<void()> call)
{
    if (!QCoreApplication::instance())
        return;
    // An exposed window has been painted: Qt paints it as it is exposed.
    const CFrameWnd* frame = AfxGetMainWnd();
    if (frame && frame->windowHandle() && frame->windowHandle()->isExposed())
        RunSoon(std::move(call));
    else
        new CPaintWatcher(std::move(call));
}
