// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts an audio render thread to sleep once it has rendered nothing but
// silence for a while, and wakes it as soon as a note is on its way. A
// render thread that renders silence wakes the program, and the sound
// server behind it, hundreds of times a second for nothing.
// The output stays open while the thread sleeps: it runs dry, which a
// sound server takes as a pause, and the next note goes out at once,
// without the wait of opening an output again.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

class CAudioSleeper {
public:
    // The render thread sleeps after `silence` of silent blocks.
    CAudioSleeper(int sampleRate, std::chrono::milliseconds silence);

    // On the render thread, before each block: once the silence is long
    // enough and `quiet` says nothing sounds, sleeps until a note is sent
    // (or Stop).
    void BeforeBlock(const std::function<bool()>& quiet);
    // On the render thread, after each block: whether it was silent.
    void BlockRendered(int frames, bool silent);
    // From any thread, once the note has reached the synthesizer.
    void NoteSent();
    // Wakes the render thread for good, so that its output can close.
    void Stop();

    bool IsAsleep() const;
    // Times the render thread has woken for a note.
    int Wakings() const;

private:
    const std::int64_t m_silentFramesToSleep;
    // The render thread's alone.
    std::int64_t m_silentFrames = 0;

    mutable std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_bAsleep = false;
    bool m_bNoteSent = false;
    bool m_bStopped = false;
    int m_nWakings = 0;
};
