// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the start-up benchmarks: says on standard output when the main window
// has first been painted ("painted <ns>", on the monotonic clock, which is
// the clock the bench script started the program by), and then, once the
// program has settled, its resident memory ("rss_kb <kB>"). Unless asked
// to stay (for the idle benchmark), the program then ends at once, without
// the cost of closing anything.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

class CFirstPaintReport : public QObject {
public:
    // Time for a soundfont loading in the background to finish.
    static constexpr int kSettleMs = 500;

    explicit CFirstPaintReport(bool stay) : m_bStay(stay) { qApp->installEventFilter(this); }

    static bool StayAsked(int argc, char** argv)
    {
        for (int i = 1; i < argc; ++i)
            if (std::string(argv[i]) == "--stay")
                return true;
        return false;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_bSeen && watched->isWidgetType()
            && qobject_cast<QMainWindow*>(static_cast<QWidget*>(watched)->window())) {
            m_bSeen = true;
            // The rest of the window is painted in the same pass, and put
            // on the screen before the event loop takes the next event.
            // Ahead of the work the program posts to run after the first
            // paint, which keeps the window from the screen no longer.
            QCoreApplication::postEvent(this, new QEvent(kPaintPassEnded), Qt::HighEventPriority);
        }
        return false;
    }

    bool event(QEvent* event) override
    {
        if (event->type() != kPaintPassEnded)
            return QObject::event(event);
        Painted();
        return true;
    }

private:
    static constexpr QEvent::Type kPaintPassEnded = QEvent::User;

    void Painted()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("painted %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QTimer::singleShot(kSettleMs, this, [this] {
            std::printf("rss_kb %ld\n", ResidentKb());
            std::fflush(stdout);
            if (!m_bStay)
                std::_Exit(0);
        });
    }

    static long ResidentKb()
    {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("VmRSS:", 0) == 0)
                return std::stol(line.substr(6));
        return 0;
    }

    bool m_bStay;
    bool m_bSeen = false;
};
