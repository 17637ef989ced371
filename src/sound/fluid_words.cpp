#include "sound/fluid_words.h"

#include "sound/midi_short_message.h"

#include <fluidsynth.h>

MMRESULT CFluidWordPlayer::Play(DWORD word)
{
    fluid_synth_t* const synth = m_pSynth;
    const CMidiBytes message = UnpackShortMessage(word);
    const int channel = message.bytes[0] & 0x0F;
    const int data1 = message.bytes[1];
    const int data2 = message.bytes[2];
    int result = FLUID_OK;
    const bool noteOn = (message.bytes[0] & 0xF0) == 0x90 && data2 != 0;
    if (noteOn && !m_programChosen[std::size_t(channel)])
        fluid_synth_program_change(synth, channel, 0);
    if (noteOn || (message.bytes[0] & 0xF0) == 0xC0)
        m_programChosen.set(std::size_t(channel));
    switch (message.bytes[0] & 0xF0) {
    case 0x80:
        // A note that is not sounding any more is no error: the device
        // stops a note again before it starts the next one.
        fluid_synth_noteoff(synth, channel, data1);
        break;
    case 0x90:
        if (data2 == 0)
            fluid_synth_noteoff(synth, channel, data1);
        else
            result = fluid_synth_noteon(synth, channel, data1, data2);
        break;
    case 0xA0:
        result = fluid_synth_key_pressure(synth, channel, data1, data2);
        break;
    case 0xB0:
        result = fluid_synth_cc(synth, channel, data1, data2);
        break;
    case 0xC0:
        result = fluid_synth_program_change(synth, channel, data1);
        break;
    case 0xD0:
        result = fluid_synth_channel_pressure(synth, channel, data1);
        break;
    case 0xE0:
        result = fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7));
        break;
    default:
        break; // real-time bytes mean nothing to a synthesizer without a clock
    }
    return result == FLUID_OK ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
}
