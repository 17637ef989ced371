// How closely the playback ticks keep time: 100 ticks of 300 ms (tempo
// 600, a melody of eighth notes played continuously, so every tick sends
// a note-on), with the machine idle and with every core kept busy. Each
// run takes 30 s of real time, so each case runs once.
#include "doc/voldrim_doc.h"
#include "res/resource.h"
#include "support/timestamping_midi_output.h"
#include "views/staff/staff_view.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <thread>

namespace {

constexpr int kTicks = 100;
constexpr int kTempo = 600;  // a quarter in ms: ticks of 300 ms

void BM_PlaybackTicks(benchmark::State& state)
{
    const bool busy = state.range(0) != 0;
    CTimestampingMidiOutput midi;
    std::vector<double> stepErrors;
    std::vector<double> errors;
    {
        CVoldrimDoc doc;
        doc.m_nTempo = kTempo;
        doc.m_bContinuousPlay = true;
        for (int i = 0; i < 10; ++i)
            doc.m_melody.push_back(std::make_unique<CNoteSeries>(NoteEighth, 48 + i));
        doc.m_bReloadMelody = true;
        CStaffView view;
        view.CreateView(nullptr, &doc, CSize(100, 100));
        view.resize(600, 450);
        view.UpdateWindow();

        std::atomic<bool> stop{false};
        std::vector<std::thread> spinners;
        if (busy) {
            for (unsigned i = 0; i < std::max(1u, std::thread::hardware_concurrency()); ++i)
                spinners.emplace_back([&stop] {
                    volatile unsigned long n = 0;
                    while (!stop.load(std::memory_order_relaxed))
                        n = n + 1;
                });
        }
        for (auto _ : state) {
            midi.m_noteOns.clear();
            const auto start = CTimestampingMidiOutput::Clock::now();
            view.SendCommand(ID_PLAY_BUTTON);
            while (midi.m_noteOns.size() < std::size_t(kTicks))
                QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            view.KillTimer(CStaffView::kPlaybackTimer);
            doc.m_bPlaying = false;
            const double tick = kTempo / 2;
            for (int k = 0; k < kTicks; ++k) {
                const double at = std::chrono::duration<double, std::milli>(midi.m_noteOns[std::size_t(k)] - start).count();
                errors.push_back(at - tick * (k + 1));
                if (k > 0)
                    stepErrors.push_back(std::abs(errors[std::size_t(k)] - errors[std::size_t(k - 1)]));
            }
        }
        stop = true;
        for (std::thread& spinner : spinners)
            spinner.join();
    }
    std::vector<double> absErrors;
    for (double e : errors)
        absErrors.push_back(std::abs(e));
    state.counters["tick_err_median_ms"] = Quantile(stepErrors, 0.5);
    state.counters["tick_err_p99_ms"] = Quantile(stepErrors, 0.99);
    state.counters["abs_err_median_ms"] = Quantile(absErrors, 0.5);
    state.counters["drift_at_100_ms"] = errors.empty() ? 0 : errors.back();
}
BENCHMARK(BM_PlaybackTicks)->ArgName("busy")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
