// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/fluid_words.h"

#include "sound/fluid_library.h"
#include "sound/midi_short_message.h"


namespace {

constexpr BYTE kNoteOn = 0x90;
constexpr BYTE kProgramChange = 0xC0;
constexpr BYTE kKindMask = 0xF0;
constexpr BYTE kChannelMask = 0x0F;
// General MIDI's first program: the piano, or the standard drum kit on the
// drum channel.
constexpr int kFirstProgram = 0;

// FluidSynth's result.
int PlayMessage(fluid_synth_t* synth, const CMidiBytes& message)
{
    const int channel = message.bytes[0] & kChannelMask;
    const int data1 = message.bytes[1];
    const int data2 = message.bytes[2];
    int result = FLUID_OK;
    switch (message.bytes[0] & 0xF0) {
    case 0x80:
        // A note that is not sounding any more is no error: the device
        // stops a note again before it starts the next one.
        Fluid().fluid_synth_noteoff(synth, channel, data1);
        break;
    case 0x90:
        if (data2 == 0)
            Fluid().fluid_synth_noteoff(synth, channel, data1);
        else
            result = Fluid().fluid_synth_noteon(synth, channel, data1, data2);
        break;
    case 0xA0:
        result = Fluid().fluid_synth_key_pressure(synth, channel, data1, data2);
        break;
    case 0xB0:
        result = Fluid().fluid_synth_cc(synth, channel, data1, data2);
        break;
    case 0xC0:
        result = Fluid().fluid_synth_program_change(synth, channel, data1);
        break;
    case 0xD0:
        result = Fluid().fluid_synth_channel_pressure(synth, channel, data1);
        break;
    case 0xE0:
        result = Fluid().fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7));
        break;
    default:
        break; // real-time bytes mean nothing to a synthesizer without a clock
    }
    return result;
}

} // namespace

MMRESULT CFluidWordPlayer::Play(DWORD word)
{
    const CMidiBytes message = UnpackShortMessage(word);
    const BYTE kind = message.bytes[0] & kKindMask;
    const std::size_t channel = message.bytes[0] & kChannelMask;
    const bool noteOn = kind == kNoteOn && message.bytes[2] != 0;
    if (noteOn && !m_programChosen[channel])
        Fluid().fluid_synth_program_change(m_pSynth, int(channel), kFirstProgram);
    if (noteOn || kind == kProgramChange)
        m_programChosen.set(channel);
    return PlayMessage(m_pSynth, message) == FLUID_OK ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
}
