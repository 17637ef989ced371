// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/fluid_library.h"

#include "framework/loaded_library.h"

namespace {

bool FindAll(FluidLibrary& fluid)
{
    return AfxFindFunction(fluid.fluid_set_log_function, "fluid_set_log_function")
        && AfxFindFunction(fluid.fluid_is_soundfont, "fluid_is_soundfont")
        && AfxFindFunction(fluid.new_fluid_settings, "new_fluid_settings")
        && AfxFindFunction(fluid.delete_fluid_settings, "delete_fluid_settings")
        && AfxFindFunction(fluid.fluid_settings_setnum, "fluid_settings_setnum")
        && AfxFindFunction(fluid.fluid_settings_setint, "fluid_settings_setint")
        && AfxFindFunction(fluid.fluid_settings_setstr, "fluid_settings_setstr")
        && AfxFindFunction(fluid.new_fluid_synth, "new_fluid_synth")
        && AfxFindFunction(fluid.delete_fluid_synth, "delete_fluid_synth")
        && AfxFindFunction(fluid.fluid_synth_sfload, "fluid_synth_sfload")
        && AfxFindFunction(fluid.fluid_synth_get_active_voice_count, "fluid_synth_get_active_voice_count")
        && AfxFindFunction(fluid.fluid_synth_process, "fluid_synth_process")
        && AfxFindFunction(fluid.fluid_synth_write_s16, "fluid_synth_write_s16")
        && AfxFindFunction(fluid.new_fluid_audio_driver2, "new_fluid_audio_driver2")
        && AfxFindFunction(fluid.delete_fluid_audio_driver, "delete_fluid_audio_driver")
        && AfxFindFunction(fluid.fluid_synth_noteon, "fluid_synth_noteon")
        && AfxFindFunction(fluid.fluid_synth_noteoff, "fluid_synth_noteoff")
        && AfxFindFunction(fluid.fluid_synth_key_pressure, "fluid_synth_key_pressure")
        && AfxFindFunction(fluid.fluid_synth_cc, "fluid_synth_cc")
        && AfxFindFunction(fluid.fluid_synth_program_change, "fluid_synth_program_change")
        && AfxFindFunction(fluid.fluid_synth_channel_pressure, "fluid_synth_channel_pressure")
        && AfxFindFunction(fluid.fluid_synth_pitch_bend, "fluid_synth_pitch_bend");
}

} // namespace

const FluidLibrary* LoadFluidSynth()
{
    return AfxLoadedLibrary<FluidLibrary>(VOLDRIM_FLUIDSYNTH_LIBRARY, FindAll);
}

const FluidLibrary& Fluid()
{
    return *LoadFluidSynth();
}
