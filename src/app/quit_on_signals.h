// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends the program cleanly when the system asks it to end (SIGTERM, SIGINT,
// SIGHUP: kill, Ctrl+C, the end of the session): the main window closes and
// every event loop returns, so the program leaves as after File Exit and the
// document closes its MIDI output on the way. The handlers only write to a
// pipe; the work is done by the event loop that reads it. A second signal
// ends the program at once, should the first not get through.
#include <QSocketNotifier>

#include <memory>

class CQuitOnSignals {
public:
    // Needs the application object; installs the handlers.
    CQuitOnSignals();
    // Gives the signals back their default action.
    ~CQuitOnSignals();
    CQuitOnSignals(const CQuitOnSignals&) = delete;
    CQuitOnSignals& operator=(const CQuitOnSignals&) = delete;

    // Whether a signal has asked the program to end. An event loop started
    // afterwards would run on: check this before starting the main one.
    bool Requested() const { return m_bRequested; }
    // Closes the main window, if there is one, and deletes it at once: for
    // a signal that came while the program was starting, before the main
    // loop that would have deleted it.
    static void DeleteMainWindowNow();

private:
    void OnSignal();

    std::unique_ptr<QSocketNotifier> m_pNotifier;
    bool m_bRequested = false;
};
