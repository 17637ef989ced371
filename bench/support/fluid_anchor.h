// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The anchor of the benchmarks that sound: FluidSynth opened as the program
// opens it (its sample rate, periods, gain and samples read when used), on
// the same soundfont and the PulseAudio driver, but with nothing between a
// caller and the synthesizer. Lives as long as the process.
#include <QByteArray>
#include <QtGlobal>
#include <fluidsynth.h>

namespace FluidAnchor {
constexpr int kSampleRate = 48000;
constexpr int kPeriodSize = 240;
constexpr int kPeriods = 2;
constexpr double kGain = 1.0;

inline QByteArray SoundFont()
{
    return qEnvironmentVariableIsEmpty("VOLDRIM_SOUNDFONT") ? QByteArray("/usr/share/sounds/sf2/FluidR3_GM.sf2")
                                                            : qgetenv("VOLDRIM_SOUNDFONT");
}

// The synthesizer with its soundfont loaded and its audio playing.
inline fluid_synth_t* Open()
{
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(settings, "synth.gain", kGain);
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings, "audio.period-size", kPeriodSize);
    fluid_settings_setint(settings, "audio.periods", kPeriods);
    fluid_settings_setstr(settings, "audio.driver", "pulseaudio");
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_synth_sfload(synth, SoundFont().constData(), 1);
    new_fluid_audio_driver(settings, synth);
    return synth;
}
} // namespace FluidAnchor
