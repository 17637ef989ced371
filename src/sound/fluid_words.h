// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Packed short-message words played on a FluidSynth synthesizer whose
// soundfont was loaded without choosing programs: a channel gets General
// MIDI's first program (the drum kit on channel 10) only when a note needs
// one before any program change, so that only the instruments played are
// read into memory.
#include "framework/types.h"
#include "sound/midi_output_system.h"

#include <bitset>

struct _fluid_synth_t;

class CFluidWordPlayer {
public:
    explicit CFluidWordPlayer(_fluid_synth_t* synth) : m_pSynth(synth) {}

    // The word must be one UnpackShortMessage accepts. MMSYSERR_ERROR when
    // FluidSynth refuses it.
    MMRESULT Play(DWORD word);

private:
    static constexpr int kChannels = 16;

    _fluid_synth_t* m_pSynth;
    std::bitset<kChannels> m_programChosen;
};
