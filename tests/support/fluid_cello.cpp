// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fluid_cello.h"

#include <QFile>
#include <fluidsynth.h>

namespace {

// FluidSynth's default gain (0.2) is too quiet for a single voice: the
// program's synthesizer plays at full gain.
constexpr double kGain = 1.0;
// Loaded as the program loads it: no channel is given a program, the
// samples of a preset are read when a channel selects it.
constexpr int kChooseNoPrograms = 0;
constexpr int kReadSamplesWhenUsed = 1;

constexpr int kKindMask = 0xF0;
constexpr int kChannelMask = 0x0F;
constexpr int kDataBits = 7;
constexpr int kDataMask = 0x7F;

} // namespace

std::unique_ptr<CFluidCello> CFluidCello::Load(const CString& soundFont)
{
    std::unique_ptr<CFluidCello> cello(new CFluidCello);
    cello->m_pSettings = new_fluid_settings();
    if (!cello->m_pSettings)
        return nullptr;
    fluid_settings_setnum(cello->m_pSettings, "synth.sample-rate", kCelloSampleRate);
    fluid_settings_setnum(cello->m_pSettings, "synth.gain", kGain);
    fluid_settings_setint(cello->m_pSettings, "synth.dynamic-sample-loading", kReadSamplesWhenUsed);
    cello->m_pSynth = new_fluid_synth(cello->m_pSettings);
    if (!cello->m_pSynth
        || fluid_synth_sfload(cello->m_pSynth, QFile::encodeName(soundFont).constData(), kChooseNoPrograms)
            == FLUID_FAILED)
        return nullptr;
    return cello;
}

CFluidCello::~CFluidCello()
{
    if (m_pSynth)
        delete_fluid_synth(m_pSynth);
    if (m_pSettings)
        delete_fluid_settings(m_pSettings);
}

void CFluidCello::Send(DWORD word)
{
    const int status = int(word & 0xFF);
    const int channel = status & kChannelMask;
    const int data1 = int(word >> 8) & kDataMask;
    const int data2 = int(word >> 16) & kDataMask;
    // The kinds of message the material is played with.
    switch (status & kKindMask) {
    case 0x80:
        fluid_synth_noteoff(m_pSynth, channel, data1);
        break;
    case 0x90:
        fluid_synth_noteon(m_pSynth, channel, data1, data2);
        break;
    case 0xB0:
        fluid_synth_cc(m_pSynth, channel, data1, data2);
        break;
    case 0xC0:
        fluid_synth_program_change(m_pSynth, channel, data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(m_pSynth, channel, data1 | data2 << kDataBits);
        break;
    default:
        break;
    }
}

std::vector<std::int16_t> CFluidCello::Render(int frames)
{
    std::vector<std::int16_t> samples(std::size_t(frames > 0 ? frames : 0) * 2);
    if (frames > 0)
        fluid_synth_write_s16(m_pSynth, frames, samples.data(), 0, 2, samples.data(), 1, 2);
    return samples;
}
