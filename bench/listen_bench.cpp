// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Listening to a cello: every note of the fingerboard (C2 to Eb4) rendered
// offline from each soundfont's cello, plain, with vibrato (half a semitone
// either way at 5-7 Hz), with a 150 ms bow swell and under noise 20 dB
// down, from the lowest note up and from the highest down.
// - BM_Listening/<soundfont>/<playing>/<order>: notes, named (heard once
//   and right), octave_errors, and the latency from the note-on to the
//   note's report (median_ms, max_ms).
// - BM_ListeningOverall/<order>: the same over all soundfonts and ways of
//   playing; named_pct is the share named right.
// - BM_ListeningWay/<way>: the bowed-string model (STK's Bowed) played
//   in each way of playing a student plays (tests/support/playing_ways.h),
//   100 notes in four takes of different instruments and rooms: the share
//   of notes whose first report is right (first_right_pct, goal >= 95),
//   that have exactly one report (single_pct, goal >= 90), the reports
//   after the first (extra), octave or twelfth errors (goal 0), and the
//   latency from the moment the note reaches its pitch to its report
//   (median_ms, goal <= 80; max_ms, goal <= 200); goals_met is 1 when all
//   are.
// - BM_ListeningCost: what listening costs while a cello plays: the sound
//   fed to the program's listener through its sound input, read on the
//   listener's thread and the notes handed to the user-interface thread;
//   core_pct is the processor time (all threads) per second of sound.
//
// Run: QT_QPA_PLATFORM=offscreen build/bench/listen_bench
#include "listen/cello_listener.h"
#include "listen/pitch_listener.h"
#include "support/cello_material.h"
#include "support/fed_sound_input.h"
#include "support/playing_ways.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <ctime>
#include <map>
#include <tuple>

namespace {

constexpr CelloOrder kOrders[] = {CelloOrder::Rising, CelloOrder::Falling};
constexpr int kDrainWaitMs = 10;
constexpr double kPercent = 100.0;

const CelloRecording& Recording(std::size_t font, CelloPlaying playing, CelloOrder order)
{
    static std::map<std::tuple<std::size_t, CelloPlaying, CelloOrder>, CelloRecording> rendered;
    const auto key = std::make_tuple(font, playing, order);
    auto found = rendered.find(key);
    if (found == rendered.end())
        found = rendered.emplace(key, RenderCello(CelloSoundFonts()[font].path, playing, order)).first;
    return found->second;
}

bool SkipWithoutSoundFont(benchmark::State& state, std::size_t font)
{
    if (QFile::exists(CelloSoundFonts()[font].path))
        return false;
    state.SkipWithError((CelloSoundFonts()[font].path + std::string(" missing")).c_str());
    return true;
}

void Report(benchmark::State& state, const ListeningScore& score)
{
    state.counters["notes"] = score.notes;
    state.counters["named"] = score.named;
    state.counters["named_pct"] = kPercent * score.named / score.notes;
    state.counters["octave_errors"] = score.octaveErrors;
    state.counters["median_ms"] = Median(score.latenciesMs);
    state.counters["max_ms"] = Maximum(score.latenciesMs);
}

void Add(ListeningScore& total, const ListeningScore& score)
{
    total.notes += score.notes;
    total.named += score.named;
    total.octaveErrors += score.octaveErrors;
    total.latenciesMs.insert(total.latenciesMs.end(), score.latenciesMs.begin(), score.latenciesMs.end());
}

void BM_Listening(benchmark::State& state)
{
    const auto font = std::size_t(state.range(0));
    const auto playing = kCelloPlayings[state.range(1)];
    const auto order = kOrders[state.range(2)];
    if (SkipWithoutSoundFont(state, font))
        return;
    state.SetLabel(std::string(CelloSoundFonts()[font].name) + ", " + CelloPlayingName(playing)
                   + (order == CelloOrder::Rising ? ", rising" : ", falling"));
    ListeningScore score;
    for (auto _ : state)
        score = ScoreListening(Recording(font, playing, order));
    Report(state, score);
}
BENCHMARK(BM_Listening)
    ->ArgsProduct({{0, 1, 2}, {0, 1, 2, 3}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_ListeningOverall(benchmark::State& state)
{
    const auto order = kOrders[state.range(0)];
    ListeningScore total;
    for (auto _ : state) {
        total = ListeningScore();
        for (std::size_t font = 0; font < CelloSoundFonts().size(); ++font) {
            if (SkipWithoutSoundFont(state, font))
                return;
            for (CelloPlaying playing : kCelloPlayings)
                Add(total, ScoreListening(Recording(font, playing, order)));
        }
    }
    Report(state, total);
}
BENCHMARK(BM_ListeningOverall)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

constexpr int kWayTakes = 4;
constexpr int kNotesPerTake = 25;
constexpr double kLeastFirstRightPct = 95;
constexpr double kLeastSinglePct = 90;
constexpr double kLongestMedianMs = 80;
constexpr double kLongestMs = 200;

void BM_ListeningWay(benchmark::State& state)
{
    const CelloWay way = kCelloWays[state.range(0)];
    state.SetLabel(CelloWayName(way));
    std::vector<CelloRecording> takes;
    for (int take = 0; take < kWayTakes; ++take)
        takes.push_back(PlayBowedTake(way, kNotesPerTake, unsigned(take + 1)));
    ListeningScore total;
    for (auto _ : state) {
        total = ListeningScore();
        for (const CelloRecording& recording : takes) {
            const ListeningScore score = ScoreListening(recording);
            total.notes += score.notes;
            total.firstRight += score.firstRight;
            total.single += score.single;
            total.extraReports += score.extraReports;
            total.octaveErrors += score.octaveErrors;
            total.latenciesMs.insert(total.latenciesMs.end(), score.latenciesMs.begin(), score.latenciesMs.end());
        }
    }
    const double firstRightPct = kPercent * total.firstRight / total.notes;
    const double singlePct = kPercent * total.single / total.notes;
    state.counters["notes"] = total.notes;
    state.counters["first_right_pct"] = firstRightPct;
    state.counters["single_pct"] = singlePct;
    state.counters["extra"] = total.extraReports;
    state.counters["octave_errors"] = total.octaveErrors;
    state.counters["median_ms"] = Median(total.latenciesMs);
    state.counters["max_ms"] = Maximum(total.latenciesMs);
    state.counters["goals_met"] = firstRightPct >= kLeastFirstRightPct && singlePct >= kLeastSinglePct
        && total.octaveErrors == 0 && Median(total.latenciesMs) <= kLongestMedianMs
        && Maximum(total.latenciesMs) <= kLongestMs;
}
BENCHMARK(BM_ListeningWay)
    ->DenseRange(0, int(std::size(kCelloWays)) - 1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void BM_ListeningCost(benchmark::State& state)
{
    const std::size_t fluidR3 = 1;
    if (SkipWithoutSoundFont(state, fluidR3))
        return;
    const std::vector<float>& samples = Recording(fluidR3, CelloPlaying::Vibrato, CelloOrder::Rising).samples;
    const double soundSeconds = double(samples.size()) / CPitchListener::kSampleRate;
    double cpuSeconds = 0;
    int notesHeard = 0;
    for (auto _ : state) {
        CFedSoundInput input;
        CCelloListener listener([&](const ListenEvent& event) { notesHeard += event.kind == ListenEvent::Kind::NoteStarted; },
                                [] {});
        const double before = ProcessCpuSeconds();
        listener.Start();
        input.Feed(samples);
        while (!input.Drained()) {
            QThread::msleep(kDrainWaitMs);
            QCoreApplication::processEvents();
        }
        listener.Stop();
        cpuSeconds += ProcessCpuSeconds() - before;
    }
    state.counters["core_pct"] = kPercent * cpuSeconds / (soundSeconds * double(state.iterations()));
    state.counters["notes_heard"] = double(notesHeard) / double(state.iterations());
}
BENCHMARK(BM_ListeningCost)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
