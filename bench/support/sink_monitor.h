// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Listens to what the PulseAudio server's default sink plays, through its
// monitor, and says when sound comes: the time a note is heard, whatever
// program played it.
#include <pulse/simple.h>

#include <chrono>
#include <mutex>
#include <optional>
#include <thread>

class CSinkMonitor {
public:
    using Clock = std::chrono::steady_clock;

    CSinkMonitor();
    ~CSinkMonitor();
    CSinkMonitor(const CSinkMonitor&) = delete;
    CSinkMonitor& operator=(const CSinkMonitor&) = delete;

    // Whether the monitor could be opened.
    bool IsOpen() const { return m_pStream != nullptr; }
    // Whether the sink has played nothing but silence for the last `quiet`.
    bool SilentFor(Clock::duration quiet);
    // When sound began to come out of the sink, after silence, if it has
    // since `since`.
    std::optional<Clock::time_point> SoundSince(Clock::time_point since);

private:
    void Listen();

    pa_simple* m_pStream = nullptr;
    std::mutex m_mutex;
    Clock::time_point m_lastRead;
    Clock::time_point m_lastSound;
    Clock::time_point m_lastOnset;
    bool m_bEnding = false;
    std::thread m_thread;
};
