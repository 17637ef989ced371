// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The General MIDI soundfonts Debian packages, measured as the program
// plays them (the built-in synthesizer rendered offline):
// - BM_LoadSoundFont: the time a soundfont takes to load, and the resident
//   memory it costs once loaded and once a cello note has played, with its
//   samples read as each instrument is first used and all at once, from the
//   page cache and from the disk (the file dropped from the cache first, as
//   after a reboot). Each run is a fresh child process, so one soundfont's
//   memory is not counted in the next.
// - BM_CelloNote: how its cello (program 42) sounds, held for four seconds,
//   against a bowed cello: it takes 50-150 ms to speak, holds its level while
//   the bow moves, and is rich in harmonics. attack_ms is the time the note
//   takes to come within 3 dB of its steady level (the median of the 10 ms
//   levels after the first half second; vibrato moves a held note by a few
//   dB); at_1s_dB .. at_4s_dB the level at
//   each second against the loudest 10 ms;
//   harmonics_30dB how many of the first harmonics (up to 8 kHz, 30 at most)
//   come within 30 dB of the strongest; centroid the amplitude-weighted mean
//   harmonic number; strongest the number of the strongest harmonic.
//
// Run: QT_QPA_PLATFORM=offscreen build/bench/soundfont_bench
#include "sound/builtin_synth.h"
#include "support/proc_status.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <numeric>
#include <string>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Loading = CBuiltinSynth::SampleLoading;

const char* const kSoundFonts[] = { "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2" };
constexpr DWORD kCelloProgram = 0x007F2AC0;
constexpr int kRate = CBuiltinSynth::kSampleRate;
constexpr int kHoldSeconds = 4;
constexpr int kEnvelopeFrame = kRate / 100; // 10 ms
constexpr double kAttackDb = -3.0;
constexpr double kStrongHarmonicDb = -30.0;
constexpr double kHighestHarmonicHz = 8000.0;
constexpr int kMostHarmonics = 30;
constexpr int kLoadRuns = 5;

DWORD NoteOn(int note) { return 0x007F0090 | DWORD(note) << 8; }

long ResidentKb() { return ProcStatusKb("VmRSS"); }

struct LoadFigures {
    double loadMs = 0;
    double afterLoadMb = 0;
    double afterCelloMb = 0;
    bool loaded = false;
};

// Asks the kernel to forget the file's pages, so the next read comes from the disk.
void DropFromPageCache(const QString& path)
{
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return;
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    close(fd);
}

// In the child: load, then play a cello note for a second.
LoadFigures MeasureLoad(const QString& soundFont, Loading loading, bool fromDisk)
{
    LoadFigures figures;
    if (fromDisk)
        DropFromPageCache(soundFont);
    const long before = ResidentKb();
    const auto start = std::chrono::steady_clock::now();
    auto synth = CBuiltinSynth::CreateWith({ soundFont }, CBuiltinSynth::Output::Offline, nullptr, nullptr, loading);
    figures.loadMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!synth)
        return figures;
    figures.loaded = true;
    figures.afterLoadMb = double(ResidentKb() - before) / 1024.0;
    synth->Send(kCelloProgram);
    synth->Send(NoteOn(48));
    synth->Render(kRate);
    figures.afterCelloMb = double(ResidentKb() - before) / 1024.0;
    return figures;
}

// Runs the measurement in a child process and reads its figures back.
bool MeasureLoadInChild(const QString& soundFont, Loading loading, bool fromDisk, LoadFigures* figures)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const LoadFigures measured = MeasureLoad(soundFont, loading, fromDisk);
        const bool written = write(pipeEnds[1], &measured, sizeof measured) == ssize_t(sizeof measured);
        _exit(written ? 0 : 1);
    }
    close(pipeEnds[1]);
    const bool read = child > 0 && ::read(pipeEnds[0], figures, sizeof *figures) == ssize_t(sizeof *figures);
    close(pipeEnds[0]);
    int status = 0;
    if (child > 0)
        waitpid(child, &status, 0);
    return read && figures->loaded;
}

void BM_LoadSoundFont(benchmark::State& state)
{
    const QString soundFont = kSoundFonts[state.range(0)];
    const Loading loading = state.range(1) ? Loading::AllAtOnce : Loading::WhenUsed;
    const bool fromDisk = state.range(2) != 0;
    state.SetLabel(QFileInfo(soundFont).fileName().toStdString()
                   + (loading == Loading::WhenUsed ? ", samples when used" : ", all samples at once")
                   + (fromDisk ? ", from disk" : ", cached"));
    double afterLoad = 0, afterCello = 0;
    for (auto _ : state) {
        LoadFigures figures;
        if (!MeasureLoadInChild(soundFont, loading, fromDisk, &figures)) {
            state.SkipWithError("the soundfont did not load (is its package installed?)");
            return;
        }
        state.SetIterationTime(figures.loadMs / 1000.0);
        afterLoad += figures.afterLoadMb;
        afterCello += figures.afterCelloMb;
    }
    state.counters["rss_loaded_MB"] = afterLoad / double(state.iterations());
    state.counters["rss_cello_MB"] = afterCello / double(state.iterations());
}
BENCHMARK(BM_LoadSoundFont)
    ->ArgsProduct({ { 0, 1 }, { 0, 1 }, { 0, 1 } })
    ->UseManualTime()
    ->Iterations(kLoadRuns)
    ->Unit(benchmark::kMillisecond);

std::vector<double> Mono(const std::vector<std::int16_t>& stereo)
{
    std::vector<double> mono(stereo.size() / 2);
    for (std::size_t i = 0; i < mono.size(); ++i)
        mono[i] = (stereo[2 * i] + stereo[2 * i + 1]) / 65536.0;
    return mono;
}

// RMS of each 10 ms frame.
std::vector<double> Envelope(const std::vector<double>& x)
{
    std::vector<double> envelope;
    for (std::size_t start = 0; start + kEnvelopeFrame <= x.size(); start += kEnvelopeFrame) {
        double sum = 0;
        for (std::size_t i = start; i < start + kEnvelopeFrame; ++i)
            sum += x[i] * x[i];
        envelope.push_back(std::sqrt(sum / kEnvelopeFrame));
    }
    return envelope;
}

double Db(double ratio) { return 20.0 * std::log10(std::max(ratio, 1e-9)); }

// Hann-windowed amplitude at frequency, the best within 1.5% of it (the
// note may be tuned a little off, or move with vibrato).
double AmplitudeNear(const std::vector<double>& x, double frequency)
{
    const double pi = std::acos(-1.0);
    double best = 0;
    for (double detune = -0.015; detune <= 0.0151; detune += 0.0025) {
        const double step = 2 * pi * frequency * (1 + detune) / kRate;
        std::complex<double> sum;
        for (std::size_t n = 0; n < x.size(); ++n) {
            const double window = 0.5 - 0.5 * std::cos(2 * pi * double(n) / double(x.size() - 1));
            sum += x[n] * window * std::polar(1.0, -step * double(n));
        }
        best = std::max(best, std::abs(sum));
    }
    return best;
}

// Milliseconds until the level first comes within 3 dB of the steady level.
double AttackMs(const std::vector<double>& envelope)
{
    const std::size_t halfSecond = 50;
    std::vector<double> later(envelope.begin() + std::ptrdiff_t(halfSecond), envelope.end());
    std::nth_element(later.begin(), later.begin() + std::ptrdiff_t(later.size() / 2), later.end());
    const double steady = later[later.size() / 2];
    const auto reached = std::find_if(envelope.begin(), envelope.end(),
                                      [steady](double level) { return Db(level / steady) >= kAttackDb; });
    return double(reached - envelope.begin() + 1) * 10.0;
}

struct HarmonicFigures {
    int strong = 0;
    double centroid = 0;
    int strongest = 0;
};

HarmonicFigures Harmonics(const std::vector<double>& steady, double fundamental)
{
    const int count = std::min(kMostHarmonics, int(kHighestHarmonicHz / fundamental));
    std::vector<double> amplitude;
    for (int k = 1; k <= count; ++k)
        amplitude.push_back(AmplitudeNear(steady, fundamental * k));
    const auto strongest = std::max_element(amplitude.begin(), amplitude.end());
    HarmonicFigures figures;
    figures.strongest = int(strongest - amplitude.begin()) + 1;
    double weighted = 0, total = 0;
    for (int k = 1; k <= count; ++k) {
        const double a = amplitude[std::size_t(k - 1)];
        weighted += k * a;
        total += a;
        figures.strong += Db(a / *strongest) >= kStrongHarmonicDb;
    }
    figures.centroid = weighted / total;
    return figures;
}

void BM_CelloNote(benchmark::State& state)
{
    const QString soundFont = kSoundFonts[state.range(0)];
    const int note = int(state.range(1));
    state.SetLabel(QFileInfo(soundFont).fileName().toStdString());
    auto synth = CBuiltinSynth::CreateWith({ soundFont }, CBuiltinSynth::Output::Offline, nullptr, nullptr);
    if (!synth) {
        state.SkipWithError("the soundfont did not load (is its package installed?)");
        return;
    }
    std::vector<double> held;
    for (auto _ : state) {
        synth->Send(kCelloProgram);
        synth->Send(NoteOn(note));
        held = Mono(synth->Render(kRate * kHoldSeconds));
        synth->Send(NoteOn(note) & ~DWORD(0x10)); // note off
        synth->Render(kRate * 2);
    }

    const std::vector<double> envelope = Envelope(held);
    const double peak = *std::max_element(envelope.begin(), envelope.end());
    state.counters["attack_ms"] = AttackMs(envelope);
    for (int second = 1; second <= kHoldSeconds; ++second) {
        // The mean of the last 100 ms before that second.
        const auto end = envelope.begin() + second * 100;
        state.counters["at_" + std::to_string(second) + "s_dB"] = Db(std::accumulate(end - 10, end, 0.0) / 10.0 / peak);
    }
    const double fundamental = 440.0 * std::pow(2.0, (note - 69) / 12.0);
    const HarmonicFigures harmonics
        = Harmonics(std::vector<double>(held.begin() + kRate / 2, held.begin() + kRate), fundamental);
    state.counters["harmonics_30dB"] = harmonics.strong;
    state.counters["centroid"] = harmonics.centroid;
    state.counters["strongest"] = harmonics.strongest;
}
// The open strings C, G, D and A, and middle C.
BENCHMARK(BM_CelloNote)
    ->ArgsProduct({ { 0, 1 }, { 36, 43, 50, 57, 60 } })
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
