// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FluidSynth, loaded when the built-in synthesizer first opens rather than
// as the program starts: it brings sixty libraries with it, whose loading
// would hold up the first window. Its functions are found as a linked
// library's are, the program's own definitions first.
#include <fluidsynth.h>

struct FluidLibrary {
    decltype(&::fluid_set_log_function) fluid_set_log_function = nullptr;
    decltype(&::fluid_is_soundfont) fluid_is_soundfont = nullptr;
    decltype(&::new_fluid_settings) new_fluid_settings = nullptr;
    decltype(&::delete_fluid_settings) delete_fluid_settings = nullptr;
    decltype(&::fluid_settings_setnum) fluid_settings_setnum = nullptr;
    decltype(&::fluid_settings_setint) fluid_settings_setint = nullptr;
    decltype(&::fluid_settings_setstr) fluid_settings_setstr = nullptr;
    decltype(&::new_fluid_synth) new_fluid_synth = nullptr;
    decltype(&::delete_fluid_synth) delete_fluid_synth = nullptr;
    decltype(&::fluid_synth_sfload) fluid_synth_sfload = nullptr;
    decltype(&::fluid_synth_get_active_voice_count) fluid_synth_get_active_voice_count = nullptr;
    decltype(&::fluid_synth_process) fluid_synth_process = nullptr;
    decltype(&::fluid_synth_write_s16) fluid_synth_write_s16 = nullptr;
    decltype(&::new_fluid_audio_driver2) new_fluid_audio_driver2 = nullptr;
    decltype(&::delete_fluid_audio_driver) delete_fluid_audio_driver = nullptr;
    decltype(&::fluid_synth_noteon) fluid_synth_noteon = nullptr;
    decltype(&::fluid_synth_noteoff) fluid_synth_noteoff = nullptr;
    decltype(&::fluid_synth_key_pressure) fluid_synth_key_pressure = nullptr;
    decltype(&::fluid_synth_cc) fluid_synth_cc = nullptr;
    decltype(&::fluid_synth_program_change) fluid_synth_program_change = nullptr;
    decltype(&::fluid_synth_channel_pressure) fluid_synth_channel_pressure = nullptr;
    decltype(&::fluid_synth_pitch_bend) fluid_synth_pitch_bend = nullptr;
};

// The library, loaded by the first call from any thread and kept; null
// when it does not load.
const FluidLibrary* LoadFluidSynth();
// The library once LoadFluidSynth has loaded it.
const FluidLibrary& Fluid();
