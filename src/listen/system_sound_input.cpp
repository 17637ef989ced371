// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/system_sound_input.h"

std::unique_ptr<CSoundInputStream> CSystemSoundInput::Open(int sampleRate, std::size_t blockFrames)
{
    // The order the synthesizer plays through: a desktop's sound server
    // first, the bare device where there is none.
    if (auto stream = OpenPulseInput(sampleRate, blockFrames))
        return stream;
    return OpenAlsaInput(sampleRate, blockFrames);
}

CSoundInput* CServiceDefault<CSoundInput>::Get()
{
    static CSystemSoundInput input;
    return &input;
}
