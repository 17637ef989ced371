// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/sink_monitor.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {
constexpr int kRate = 48000;
// Read in pieces of 1 ms, so a sound is seen within 1 ms of its coming.
constexpr int kFragmentFrames = kRate / 1000;
// Four steps of 16-bit sound: the first millisecond of the softest attack
// is louder, and a silent sink gives exact zeros.
constexpr int kSoundLevel = 4;
} // namespace

CSinkMonitor::CSinkMonitor()
{
    const pa_sample_spec sampleFormat{ PA_SAMPLE_S16LE, kRate, 1 };
    pa_buffer_attr attr{};
    attr.maxlength = std::uint32_t(-1);
    attr.fragsize = kFragmentFrames * sizeof(std::int16_t);
    m_pStream = pa_simple_new(nullptr, "Voldrim benchmark", PA_STREAM_RECORD, "@DEFAULT_MONITOR@", "sink monitor",
                              &sampleFormat, nullptr, &attr, nullptr);
    if (m_pStream)
        m_thread = std::thread([this] { Listen(); });
}

CSinkMonitor::~CSinkMonitor()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_bEnding = true;
    }
    if (m_thread.joinable())
        m_thread.join();
    if (m_pStream)
        pa_simple_free(m_pStream);
}

void CSinkMonitor::Listen()
{
    std::array<std::int16_t, kFragmentFrames> samples{};
    bool sounding = false;
    for (;;) {
        if (pa_simple_read(m_pStream, samples.data(), sizeof samples, nullptr) < 0)
            return;
        const Clock::time_point now = Clock::now();
        bool sound = false;
        for (std::int16_t sample : samples)
            sound = sound || std::abs(sample) >= kSoundLevel;
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_bEnding)
            return;
        m_lastRead = now;
        if (sound)
            m_lastSound = now;
        if (sound && !sounding)
            m_lastOnset = now;
        sounding = sound;
    }
}

bool CSinkMonitor::SilentFor(Clock::duration quiet)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_lastRead - m_lastSound >= quiet;
}

std::optional<CSinkMonitor::Clock::time_point> CSinkMonitor::SoundSince(Clock::time_point since)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_lastOnset > since)
        return m_lastOnset;
    return std::nullopt;
}
