// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in synthesizer: how long opening it takes (offline with its
// soundfont loaded; with an audio driver, as start-up opens it), what
// memory it costs, the buffering it asks the audio driver for, and what
// rendering one period costs.
#include "sound/builtin_synth.h"
#include "support/proc_status.h"

#include <benchmark/benchmark.h>

namespace {

// Peak resident set size of the process so far, in kB.
long PeakRssKb() { return ProcStatusKb("VmHWM"); }

// Taken before any synthesizer exists, so the delta is what one costs.
const long g_baselineRssKb = PeakRssKb();

void SkipWithoutSoundFont(benchmark::State& state)
{
    if (CBuiltinSynth::FindSoundFont().isEmpty())
        state.SkipWithError("no General MIDI soundfont found");
}

void BM_OpenOffline(benchmark::State& state)
{
    SkipWithoutSoundFont(state);
    for (auto _ : state) {
        auto synth = CBuiltinSynth::Create(CBuiltinSynth::Output::Offline);
        if (!synth) {
            state.SkipWithError("synthesizer did not open");
            break;
        }
        benchmark::DoNotOptimize(synth.get());
    }
    state.counters["peak_rss_delta_MB"] = double(PeakRssKb() - g_baselineRssKb) / 1024.0;
}
BENCHMARK(BM_OpenOffline)->Unit(benchmark::kMillisecond);

// Times the whole attempt, which is what start-up waits for: the audio
// driver, not the soundfont, which loads in the background. On a machine
// without sound it measures how quickly the drivers give up (opened = 0).
void BM_OpenWithAudioDriver(benchmark::State& state)
{
    SkipWithoutSoundFont(state);
    bool opened = false;
    for (auto _ : state) {
        auto synth = CBuiltinSynth::Open(CBuiltinSynth::SoundFontCandidates(), CBuiltinSynth::Output::Audio);
        opened = synth != nullptr;
        benchmark::DoNotOptimize(synth.get());
    }
    state.counters["opened"] = opened ? 1 : 0;
    state.counters["buffer_latency_ms"] = CBuiltinSynth::BufferLatencyMs();
}
BENCHMARK(BM_OpenWithAudioDriver)->Unit(benchmark::kMillisecond);

// One audio period with a cello note sounding: the time the audio thread
// needs out of each 5 ms period.
void BM_RenderOnePeriod(benchmark::State& state)
{
    SkipWithoutSoundFont(state);
    auto synth = CBuiltinSynth::Create(CBuiltinSynth::Output::Offline);
    if (!synth) {
        state.SkipWithError("synthesizer did not open");
        return;
    }
    synth->Send(0x007F2AC0);
    synth->Send(0x007F3C90);
    for (auto _ : state)
        benchmark::DoNotOptimize(synth->Render(CBuiltinSynth::kPeriodSize));
    state.counters["buffer_latency_ms"] = CBuiltinSynth::BufferLatencyMs();
    state.counters["period_ms"] = 1000.0 * CBuiltinSynth::kPeriodSize / CBuiltinSynth::kSampleRate;
}
BENCHMARK(BM_RenderOnePeriod)->Unit(benchmark::kMicrosecond);

} // namespace
