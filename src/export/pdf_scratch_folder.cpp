// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/pdf_scratch_folder.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstring>
#include <pthread.h>
#include <unistd.h>

namespace {

const QString kPagesName = QStringLiteral("pages.pdf");

// What the handler removes, as the file system names it: set up before the
// handler is installed, since a handler may not allocate.
char g_pages[PATH_MAX];
char g_folder[PATH_MAX];
struct sigaction g_previous[3];
const int* g_signals = nullptr;
std::size_t g_signalCount = 0;

bool CopyPath(char* to, const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.size() >= PATH_MAX)
        return false;
    std::memcpy(to, bytes.constData(), std::size_t(bytes.size()) + 1);
    return true;
}

// Only what is safe inside a signal handler.
void RemoveFolderOnSignal(int number)
{
    const int savedErrno = errno;
    unlink(g_pages);
    rmdir(g_folder);
    for (std::size_t i = 0; i < g_signalCount; ++i) {
        if (g_signals[i] == number)
            sigaction(number, &g_previous[i], nullptr);
    }
    errno = savedErrno;
    raise(number);
}

// The signals held back while the folder is made and its removal set up,
// so that none comes between the two.
class CSignalsHeld {
public:
    explicit CSignalsHeld(const int* numbers, std::size_t count)
    {
        sigset_t held;
        sigemptyset(&held);
        for (std::size_t i = 0; i < count; ++i)
            sigaddset(&held, numbers[i]);
        pthread_sigmask(SIG_BLOCK, &held, &m_before);
    }
    ~CSignalsHeld() { pthread_sigmask(SIG_SETMASK, &m_before, nullptr); }

private:
    sigset_t m_before;
};

} // namespace

CPdfScratchFolder::CPdfScratchFolder()
{
    static_assert(std::size(kSignals) == std::size(g_previous));
    const CSignalsHeld held(kSignals, std::size(kSignals));
    m_folder = std::make_unique<QTemporaryDir>();
    if (!IsValid() || !CopyPath(g_pages, PagesPath()) || !CopyPath(g_folder, m_folder->path()))
        return;
    struct sigaction action = {};
    action.sa_handler = &RemoveFolderOnSignal;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], nullptr, &m_previous[i]);
        g_previous[i] = m_previous[i];
    }
    g_signals = kSignals;
    g_signalCount = std::size(kSignals);
    for (int number : kSignals)
        sigaction(number, &action, nullptr);
}

CPdfScratchFolder::~CPdfScratchFolder()
{
    if (g_signalCount == 0)
        return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        sigaction(kSignals[i], &m_previous[i], nullptr);
    g_signalCount = 0;
}

QString CPdfScratchFolder::PagesPath() const
{
    return m_folder->filePath(kPagesName);
}
