// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recording device of the system: PulseAudio's default source, else
// ALSA's default capture device.
#include "listen/sound_input.h"

std::unique_ptr<CSoundInputStream> OpenPulseInput(int sampleRate, std::size_t blockFrames);
std::unique_ptr<CSoundInputStream> OpenAlsaInput(int sampleRate, std::size_t blockFrames);

class CSystemSoundInput : public CSoundInput {
public:
    std::unique_ptr<CSoundInputStream> Open(int sampleRate, std::size_t blockFrames) override;
};
