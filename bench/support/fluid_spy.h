// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Notes when FluidSynth takes each note-on, and when it last rendered: the
// program calls fluid_synth_noteon and fluid_synth_process through these
// definitions, which the linker puts before the library's (fluid_spy.cpp),
// whatever synthesizer it is.
#include <chrono>

namespace FluidSpy {
using Clock = std::chrono::steady_clock;
// Note-ons FluidSynth has taken so far, on any thread.
long NoteOns();
// When the last of them returned.
Clock::time_point LastNoteOn();
// When FluidSynth last rendered a block for an audio output.
Clock::time_point LastRender();
} // namespace FluidSpy
