// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Recording through PulseAudio's simple interface: the server converts
// whatever the source delivers to mono floats at our rate.
#include "listen/system_sound_input.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <atomic>
#include <cstdint>

namespace {

class CPulseInputStream : public CSoundInputStream {
public:
    explicit CPulseInputStream(pa_simple* connection) : m_pConnection(connection) {}
    ~CPulseInputStream() override { pa_simple_free(m_pConnection); }
    CPulseInputStream(const CPulseInputStream&) = delete;
    CPulseInputStream& operator=(const CPulseInputStream&) = delete;

    bool Read(float* samples, std::size_t count) override
    {
        // A source keeps delivering every fragment, so a stop is seen
        // within one.
        if (m_bStopped)
            return false;
        int error = 0;
        return pa_simple_read(m_pConnection, samples, count * sizeof(float), &error) >= 0 && !m_bStopped;
    }
    void Stop() override { m_bStopped = true; }

private:
    pa_simple* m_pConnection;
    std::atomic<bool> m_bStopped{false};
};

} // namespace

std::unique_ptr<CSoundInputStream> OpenPulseInput(int sampleRate, std::size_t blockFrames)
{
    pa_sample_spec sampleFormat{};
    sampleFormat.format = PA_SAMPLE_FLOAT32NE;
    sampleFormat.rate = std::uint32_t(sampleRate);
    sampleFormat.channels = 1;
    pa_buffer_attr buffering{};
    buffering.maxlength = std::uint32_t(-1);
    // Small fragments: a note is heard as soon as it is played.
    buffering.fragsize = std::uint32_t(blockFrames * sizeof(float));
    int error = 0;
    pa_simple* connection = pa_simple_new(nullptr, "Voldrim", PA_STREAM_RECORD, nullptr, "Listening to the cello",
                                          &sampleFormat, nullptr, &buffering, &error);
    if (!connection)
        return nullptr;
    return std::make_unique<CPulseInputStream>(connection);
}
