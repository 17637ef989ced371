// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sound input that tests feed with samples, installed for its lifetime:
// an open stream hands over what was fed, then waits for more as a quiet
// microphone would. It can stand for a machine without an input, or for
// an input that stops working.
#include "listen/sound_input.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

class CFedSoundInput : public CSoundInput {
public:
    std::unique_ptr<CSoundInputStream> Open(int, std::size_t blockFrames) override
    {
        ++m_nOpens;
        m_nBlockFrames = blockFrames;
        if (m_bNoDevice)
            return nullptr;
        return std::make_unique<Stream>(*this);
    }

    void Feed(const std::vector<float>& samples)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_samples.insert(m_samples.end(), samples.begin(), samples.end());
        m_fed.notify_all();
    }
    // The open stream's next read fails, as when a microphone is unplugged.
    void Unplug()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bUnplugged = true;
        m_fed.notify_all();
    }
    // Every sample fed has been read, but for less than a block.
    bool Drained()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_samples.size() < m_nBlockFrames;
    }

    bool m_bNoDevice = false;
    int m_nOpens = 0;

private:
    class Stream : public CSoundInputStream {
    public:
        explicit Stream(CFedSoundInput& input) : m_input(input) {}
        bool Read(float* samples, std::size_t count) override
        {
            std::unique_lock<std::mutex> lock(m_input.m_mutex);
            m_input.m_fed.wait(lock, [&] {
                return m_bStopped || m_input.m_bUnplugged || m_input.m_samples.size() >= count;
            });
            if (m_bStopped || m_input.m_bUnplugged)
                return false;
            std::copy_n(m_input.m_samples.begin(), count, samples);
            m_input.m_samples.erase(m_input.m_samples.begin(), m_input.m_samples.begin() + std::ptrdiff_t(count));
            return true;
        }
        void Stop() override
        {
            std::lock_guard<std::mutex> lock(m_input.m_mutex);
            m_bStopped = true;
            m_input.m_fed.notify_all();
        }

    private:
        CFedSoundInput& m_input;
        bool m_bStopped = false;
    };

    std::mutex m_mutex;
    std::condition_variable m_fed;
    std::deque<float> m_samples;
    std::size_t m_nBlockFrames = 1;
    bool m_bUnplugged = false;
    CServiceOverride<CSoundInput> m_installed{this};
};
