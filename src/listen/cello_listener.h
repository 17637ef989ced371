// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Listening while the student plays: the sound input is read on a thread
// of its own, and every note started or ended reaches the handler on the
// user-interface thread, in order. A failing input ends the listening and
// is told to the failure handler there, once.
#include "listen/note_tracker.h"

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class CSoundInputStream;
class QObject;

class CCelloListener {
public:
    using EventHandler = std::function<void(const ListenEvent&)>;
    using FailureHandler = std::function<void()>;

    // Samples read at a time: 5 ms.
    static constexpr std::size_t kBlockFrames = 256;

    CCelloListener(EventHandler onEvent, FailureHandler onInputFailed);
    // Stops listening.
    ~CCelloListener();
    CCelloListener(const CCelloListener&) = delete;
    CCelloListener& operator=(const CCelloListener&) = delete;

    // Opens the sound input and listens. False when no input opens, or
    // when aubio, which hears the pitches, is missing.
    bool Start();
    // Nothing more reaches the handlers once this returns.
    void Stop();
    bool IsListening() const { return m_pStream != nullptr; }

private:
    void Listen();

    EventHandler m_onEvent;
    FailureHandler m_onInputFailed;
    std::unique_ptr<CSoundInputStream> m_pStream;
    // Lives on the user-interface thread; what the listening thread sends
    // there dies with it.
    std::unique_ptr<QObject> m_pReceiver;
    std::thread m_thread;
    std::atomic<bool> m_bStopping{false};
};
