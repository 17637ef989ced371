// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fluid_spy.h"

#include <atomic>
#include <dlfcn.h>
#include <fluidsynth.h>

namespace {
std::atomic<long> g_noteOns{ 0 };
std::atomic<FluidSpy::Clock::rep> g_lastNoteOn{ 0 };
std::atomic<FluidSpy::Clock::rep> g_lastRender{ 0 };

FluidSpy::Clock::rep Now() { return FluidSpy::Clock::now().time_since_epoch().count(); }

template <typename Function>
Function Real(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}
} // namespace

long FluidSpy::NoteOns() { return g_noteOns.load(); }

FluidSpy::Clock::time_point FluidSpy::LastNoteOn() { return Clock::time_point(Clock::duration(g_lastNoteOn.load())); }

FluidSpy::Clock::time_point FluidSpy::LastRender() { return Clock::time_point(Clock::duration(g_lastRender.load())); }

extern "C" int fluid_synth_noteon(fluid_synth_t* synth, int chan, int key, int vel)
{
    static const auto real = Real<int (*)(fluid_synth_t*, int, int, int)>("fluid_synth_noteon");
    const int result = real(synth, chan, key, vel);
    // The time first, so that whoever sees the count sees its time.
    g_lastNoteOn.store(Now());
    g_noteOns.fetch_add(1);
    return result;
}

extern "C" int fluid_synth_process(fluid_synth_t* synth, int len, int nfx, float* fx[], int nout, float* out[])
{
    static const auto real = Real<int (*)(fluid_synth_t*, int, int, float**, int, float**)>("fluid_synth_process");
    g_lastRender.store(Now());
    return real(synth, len, nfx, fx, nout, out);
}
