// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound input the program listens through: the system's default
// recording device (PulseAudio, else ALSA), or a stand-in that tests
// install as the CService of CSoundInput to feed it audio files.
#include "framework/service.h"

#include <cstddef>
#include <memory>

// An open input. Read and Stop may be called from different threads.
class CSoundInputStream {
public:
    virtual ~CSoundInputStream() = default;
    // Waits until the block is filled with mono samples in -1..1. False
    // when the input has failed or been stopped.
    virtual bool Read(float* samples, std::size_t count) = 0;
    // A Read that waits now or later returns false soon.
    virtual void Stop() = 0;
};

class CSoundInput {
public:
    virtual ~CSoundInput() = default;
    // Opens the default input, mono at the sample rate, handing over
    // blocks of about the given size. Null when no input opens.
    virtual std::unique_ptr<CSoundInputStream> Open(int sampleRate, std::size_t blockFrames) = 0;
};

// The system's input is the default.
template <>
struct CServiceDefault<CSoundInput> {
    static CSoundInput* Get();
};

inline CSoundInput& AfxGetSoundInput() { return *CService<CSoundInput>::Get(); }
