// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A recording MIDI output that also notes when each note-on word arrives,
// for benchmarks that time the way from a user's action to the sound.
#include "support/recording_midi_output.h"

#include <algorithm>
#include <chrono>
#include <vector>

class CTimestampingMidiOutput : public CRecordingMidiOutput {
public:
    using Clock = std::chrono::steady_clock;

    MMRESULT ShortMsg(HMIDIOUT handle, DWORD message) override
    {
        const Clock::time_point now = Clock::now();
        const MMRESULT result = CRecordingMidiOutput::ShortMsg(handle, message);
        if (result == MMSYSERR_NOERROR && (message & 0xF0) == 0x90)
            m_noteOns.push_back(now);
        return result;
    }

    std::vector<Clock::time_point> m_noteOns;
};

// The value below which the given share of the samples lie (samples sorted).
inline double Quantile(std::vector<double> samples, double share)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t index = std::min(samples.size() - 1, std::size_t(share * double(samples.size())));
    return samples[index];
}
