// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/audio_sleeper.h"

#include <utility>

CAudioSleeper::CAudioSleeper(int sampleRate, std::chrono::milliseconds silence)
    : m_silentFramesToSleep(std::int64_t(sampleRate) * silence.count() / 1000)
{
}

void CAudioSleeper::BeforeBlock(const std::function<bool()>& quiet)
{
    if (m_silentFrames < m_silentFramesToSleep)
        return;
    // Asked outside the lock: a note sent meanwhile is seen below.
    const bool nothingSounds = quiet();
    m_silentFrames = 0;
    std::unique_lock<std::mutex> lock(m_mutex);
    if (std::exchange(m_bNoteSent, false) || !nothingSounds || m_bStopped)
        return;
    m_bAsleep = true;
    m_woken.wait(lock, [this] { return m_bNoteSent || m_bStopped; });
    m_bAsleep = false;
    m_nWakings += m_bNoteSent ? 1 : 0;
    m_bNoteSent = false;
}

void CAudioSleeper::BlockRendered(int frames, bool silent) { m_silentFrames = silent ? m_silentFrames + frames : 0; }

void CAudioSleeper::NoteSent()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_bNoteSent = true;
    }
    m_woken.notify_all();
}

void CAudioSleeper::Stop()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_bStopped = true;
    }
    m_woken.notify_all();
}

bool CAudioSleeper::IsAsleep() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_bAsleep;
}

int CAudioSleeper::Wakings() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_nWakings;
}
