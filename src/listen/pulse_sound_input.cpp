// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Recording through PulseAudio's simple interface: the server converts
// whatever the source delivers to mono floats at our rate.
#include "listen/system_sound_input.h"

#include "framework/loaded_library.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <atomic>
#include <cstdint>

namespace {

// The simple interface and the PulseAudio client libraries under it are
// loaded when listening first starts: nothing before needs them.
struct PulseSimpleLibrary {
    decltype(&::pa_simple_new) pa_simple_new = nullptr;
    decltype(&::pa_simple_read) pa_simple_read = nullptr;
    decltype(&::pa_simple_free) pa_simple_free = nullptr;
};

bool FindAll(PulseSimpleLibrary& pulse)
{
    return AfxFindFunction(pulse.pa_simple_new, "pa_simple_new")
        && AfxFindFunction(pulse.pa_simple_read, "pa_simple_read")
        && AfxFindFunction(pulse.pa_simple_free, "pa_simple_free");
}

class CPulseInputStream : public CSoundInputStream {
public:
    CPulseInputStream(const PulseSimpleLibrary& pulse, pa_simple* connection)
        : m_pulse(pulse), m_pConnection(connection)
    {
    }
    ~CPulseInputStream() override { m_pulse.pa_simple_free(m_pConnection); }
    CPulseInputStream(const CPulseInputStream&) = delete;
    CPulseInputStream& operator=(const CPulseInputStream&) = delete;

    bool Read(float* samples, std::size_t count) override
    {
        // A source keeps delivering every fragment, so a stop is seen
        // within one.
        if (m_bStopped)
            return false;
        int error = 0;
        return m_pulse.pa_simple_read(m_pConnection, samples, count * sizeof(float), &error) >= 0 && !m_bStopped;
    }
    void Stop() override { m_bStopped = true; }

private:
    const PulseSimpleLibrary& m_pulse;
    pa_simple* m_pConnection;
    std::atomic<bool> m_bStopped{false};
};

} // namespace

std::unique_ptr<CSoundInputStream> OpenPulseInput(int sampleRate, std::size_t blockFrames)
{
    const PulseSimpleLibrary* pulse = AfxLoadedLibrary<PulseSimpleLibrary>(VOLDRIM_PULSE_SIMPLE_LIBRARY, FindAll);
    if (!pulse)
        return nullptr;
    pa_sample_spec sampleFormat{};
    sampleFormat.format = PA_SAMPLE_FLOAT32NE;
    sampleFormat.rate = std::uint32_t(sampleRate);
    sampleFormat.channels = 1;
    pa_buffer_attr buffering{};
    buffering.maxlength = std::uint32_t(-1);
    // Small fragments: a note is heard as soon as it is played.
    buffering.fragsize = std::uint32_t(blockFrames * sizeof(float));
    int error = 0;
    pa_simple* connection = pulse->pa_simple_new(nullptr, "Voldrim", PA_STREAM_RECORD, nullptr, "Listening to the cello",
                                          &sampleFormat, nullptr, &buffering, &error);
    if (!connection)
        return nullptr;
    return std::make_unique<CPulseInputStream>(*pulse, connection);
}
