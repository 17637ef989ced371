// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How closely the playback ticks keep time: 100 ticks of 300 ms (tempo
// 600, a melody of eighth notes played continuously, so every tick sends
// a note-on), on the machine as it is: the bench script runs it idle and
// with every core kept busy by programs of its own. Each run takes 30 s of
// real time, so it runs once; the bench script repeats it.
// tick_err_max_ms is the worst tick's distance from 300 ms after the one
// before it, drift_ms how far the 100th tick is from 30 s after the start.
// The anchor, timed over the same 30 s: a precise 300 ms Qt timer on a
// thread of its own that does nothing else.
#include "doc/voldrim_doc.h"
#include "res/resource.h"
#include "support/timestamping_midi_output.h"
#include "views/staff/staff_view.h"

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <cmath>
#include <mutex>

namespace {

using Clock = CTimestampingMidiOutput::Clock;

constexpr int kTicks = 100;
constexpr int kTempo = 600; // a quarter in ms: ticks of 300 ms
constexpr double kTickMs = kTempo / 2;

struct TickFigures {
    double worstMs = 0;
    double driftMs = 0;
};

TickFigures Figures(const std::vector<Clock::time_point>& ticks, Clock::time_point start)
{
    TickFigures figures;
    double previous = 0;
    for (std::size_t k = 0; k < ticks.size() && k < std::size_t(kTicks); ++k) {
        const double error = std::chrono::duration<double, std::milli>(ticks[k] - start).count() - kTickMs * double(k + 1);
        figures.worstMs = std::max(figures.worstMs, std::abs(error - previous));
        figures.driftMs = error;
        previous = error;
    }
    return figures;
}

// A precise timer of the same period, on a thread of its own.
class CAnchorTimer : public QThread {
public:
    std::vector<Clock::time_point> Ticks()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_ticks;
    }
    Clock::time_point m_start;

protected:
    void run() override
    {
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_ticks.push_back(Clock::now());
            if (m_ticks.size() == std::size_t(kTicks))
                quit();
        });
        m_start = Clock::now();
        timer.start(int(kTickMs));
        exec();
    }

private:
    std::mutex m_mutex;
    std::vector<Clock::time_point> m_ticks;
};

void BM_PlaybackTicks(benchmark::State& state)
{
    CTimestampingMidiOutput midi;
    TickFigures figures, anchor;
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

        for (auto _ : state) {
            midi.m_noteOns.clear();
            CAnchorTimer anchorTimer;
            anchorTimer.start();
            const auto start = Clock::now();
            view.SendCommand(ID_PLAY_BUTTON);
            while (midi.m_noteOns.size() < std::size_t(kTicks))
                QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            view.KillTimer(CStaffView::kPlaybackTimer);
            doc.m_bPlaying = false;
            anchorTimer.wait();
            figures = Figures(midi.m_noteOns, start);
            anchor = Figures(anchorTimer.Ticks(), anchorTimer.m_start);
        }
    }
    state.counters["tick_err_max_ms"] = figures.worstMs;
    state.counters["drift_ms"] = std::abs(figures.driftMs);
    state.counters["anchor_tick_err_max_ms"] = anchor.worstMs;
    state.counters["anchor_drift_ms"] = std::abs(anchor.driftMs);
}
BENCHMARK(BM_PlaybackTicks)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
