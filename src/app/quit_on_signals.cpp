// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quit_on_signals.h"

#include "framework/frame_wnd.h"
#include "framework/win_app.h"

#include <QCoreApplication>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kEndSignals[] = { SIGTERM, SIGINT, SIGHUP };
constexpr int kReadEnd = 0;
constexpr int kWriteEnd = 1;
int g_pipe[2] = { -1, -1 };

void SetAction(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kEndSignals)
        sigaction(number, &action, nullptr);
}

// Only what is safe inside a signal handler.
void OnEndSignal(int number)
{
    const int savedErrno = errno;
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = write(g_pipe[kWriteEnd], &byte, 1);
    SetAction(SIG_DFL);
    errno = savedErrno;
}

} // namespace

CQuitOnSignals::CQuitOnSignals()
{
    if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_pNotifier = std::make_unique<QSocketNotifier>(g_pipe[kReadEnd], QSocketNotifier::Read);
    QObject::connect(m_pNotifier.get(), &QSocketNotifier::activated, [this] { OnSignal(); });
    SetAction(&OnEndSignal);
}

CQuitOnSignals::~CQuitOnSignals()
{
    if (!m_pNotifier)
        return;
    SetAction(SIG_DFL);
    m_pNotifier.reset();
    for (int& end : g_pipe) {
        close(end);
        end = -1;
    }
}

void CQuitOnSignals::DeleteMainWindowNow()
{
    if (CFrameWnd* frame = AfxGetMainWnd())
        frame->CloseWithoutAsking();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void CQuitOnSignals::OnSignal()
{
    char bytes[16];
    while (read(g_pipe[kReadEnd], bytes, sizeof bytes) > 0) {
    }
    m_bRequested = true;
    if (CFrameWnd* frame = AfxGetMainWnd())
        frame->CloseWithoutAsking();
    // Every loop returns, a modal dialog's or message box's too.
    QCoreApplication::exit(0);
}
