// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// From a mouse press on a fingerboard stop to the note: the stop is drawn,
// the staff writes the note into its next column at its next paint and
// sounds it through the MIDI device and the built-in synthesizer, which
// plays on the audio output the environment gives (the bench script gives
// it a PulseAudio null sink). The whole program runs, on Qt's offscreen
// platform.
// - BM_StopPressToNoteOn: to the note-on reaching FluidSynth
//   (support/fluid_spy). The anchor, pressed in turn with each stop: a bare
//   widget that hands the note-on to a FluidSynth of its own
//   (support/fluid_anchor) as the press arrives.
// - BM_StopPressAsNoteEnds: the same, each press coming just before, as and
//   just after the one-second timer of the note before it ends that note.
// - BM_FirstNoteAfterSilence: once the program has been silent long enough
//   for its synthesizer to sleep, to the note coming out of the sound
//   server's sink (support/sink_monitor). The anchor: the next press, while
//   the synthesizer is awake.
#include "app/main_frame.h"
#include "app/voldrim_app.h"
#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "framework/splitter.h"
#include "framework/ui_responder.h"
#include "model/finger_stop.h"
#include "sound/builtin_synth.h"
#include "sound/wave_player.h"
#include "support/fluid_anchor.h"
#include "support/fluid_spy.h"
#include "support/sink_monitor.h"
#include "support/timestamping_midi_output.h"
#include "views/fingerboard/fboard_view.h"

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

using Clock = FluidSpy::Clock;
using std::chrono::milliseconds;

constexpr auto kGiveUp = std::chrono::seconds(5);
const int kPitches[] = { 36, 43, 45, 48, 50, 52, 53, 55, 57, 59, 60 };
constexpr milliseconds kSingleNote{ 1000 };
// Longer than a block takes to render: no block for this long is sleep.
constexpr milliseconds kNoRenderIsSleep{ 100 };
// Silence heard before a note whose start is timed.
constexpr milliseconds kSilenceBeforeNote{ 100 };

class CSilentWavePlayer : public CWavePlayer {
public:
    bool PlaySync(const CString&) override { return true; }
};

// No box is expected; one that shows is counted instead of waiting for a user.
class CCountingResponder : public CUiResponder {
public:
    int OnMessageBox(const CString&, UINT) override { return ++m_nShown, IDNO; }
    int OnDialog(CDialog&) override { return ++m_nShown, IDCANCEL; }
    int m_nShown = 0;
};

// The anchor: a press hands the note straight to FluidSynth, which plays
// on the same audio output as the program's.
class CNoteOnWidget : public QWidget {
public:
    CNoteOnWidget() { resize(100, 100); }

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        fluid_synth_noteoff(m_pSynth, 0, m_nKey);
        m_nKey = m_nKey == kMiddleC ? kMiddleC + 2 : kMiddleC;
        fluid_synth_noteon(m_pSynth, 0, m_nKey, kLoud);
    }

private:
    static constexpr int kMiddleC = 60;
    static constexpr int kLoud = 127;
    fluid_synth_t* m_pSynth = FluidAnchor::Open();
    int m_nKey = kMiddleC;
};
static_assert(FluidAnchor::kSampleRate == CBuiltinSynth::kSampleRate && FluidAnchor::kPeriodSize == CBuiltinSynth::kPeriodSize
              && FluidAnchor::kPeriods == CBuiltinSynth::kPeriods);

void Send(QWidget* view, QPointF at, QEvent::Type type)
{
    QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

// Runs the program's events, timers among them, for `time`.
void RunEvents(milliseconds time)
{
    QEventLoop loop;
    QTimer::singleShot(time, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the program's events until done() or giveUp has passed; whether done.
bool RunEventsUntil(const std::function<bool()>& done, Clock::duration giveUp)
{
    const Clock::time_point end = Clock::now() + giveUp;
    while (!done() && Clock::now() < end)
        RunEvents(milliseconds(1));
    return done();
}

double MsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Microseconds from the press to the note-on in FluidSynth; -1 when none came.
double PressToNoteOn(QWidget* view, QPointF at)
{
    const long before = FluidSpy::NoteOns();
    const Clock::time_point start = Clock::now();
    Send(view, at, QEvent::MouseButtonPress);
    while (FluidSpy::NoteOns() == before) {
        if (Clock::now() - start > kGiveUp)
            return -1;
        QApplication::processEvents();
    }
    const double us = 1000 * MsBetween(start, FluidSpy::LastNoteOn());
    Send(view, at, QEvent::MouseButtonRelease);
    return us;
}

// Milliseconds from the press to the note coming out of the sink; -1 when
// it did not come.
double PressToSound(QWidget* view, QPointF at, CSinkMonitor& sink)
{
    const Clock::time_point start = Clock::now();
    Send(view, at, QEvent::MouseButtonPress);
    const bool heard = RunEventsUntil([&] { return sink.SoundSince(start).has_value(); }, kGiveUp);
    Send(view, at, QEvent::MouseButtonRelease);
    return heard ? MsBetween(start, *sink.SoundSince(start)) : -1;
}

struct CProgram {
    CSilentWavePlayer waves;
    CCountingResponder responder;
    CServiceOverride<CWavePlayer> silent{ &waves };
    CServiceOverride<CUiResponder> counting{ &responder };
    CVoldrimApp app;
    CFboardView* fboard = nullptr;
    CVoldrimDoc* doc = nullptr;
    int next = 0;

    CProgram()
    {
        app.SetArguments({ QStringLiteral("/Embedding") });
        app.InitInstance();
        QApplication::processEvents();
        auto* frame = static_cast<CMainFrame*>(app.GetDocTemplate()->GetFrame());
        fboard = static_cast<CFboardView*>(frame->GetSplitter()->GetPane(0, 0));
        doc = static_cast<CVoldrimDoc*>(app.GetDocTemplate()->GetDocument());
    }
    // The next stop, with a new melody before the staff is full (the
    // question would stop the clock).
    QPointF NextStop()
    {
        if (doc->m_nLastColumn >= doc->m_nColumnCount - 2) {
            doc->ResetState();
            QApplication::processEvents();
        }
        const CPoint centre = FindStopOfPitch(doc->m_stopList, kPitches[next++ % 11])->GetRect().CenterPoint();
        return QPointF(centre.x, centre.y);
    }
    // The soundfont loads in the background: the first note waits for it.
    bool Sounds() { return PressToNoteOn(fboard, NextStop()) >= 0; }
};

// Null when no note reaches the synthesizer.
std::unique_ptr<CProgram> StartProgram(benchmark::State& state)
{
    auto program = std::make_unique<CProgram>();
    if (program->Sounds())
        return program;
    state.SkipWithError("no note reached the synthesizer (no audio output?)");
    return nullptr;
}

void BM_StopPressToNoteOn(benchmark::State& state)
{
    const auto program = StartProgram(state);
    if (!program)
        return;
    CNoteOnWidget anchor;
    std::vector<double> latencies, anchors;
    for (auto _ : state) {
        latencies.push_back(PressToNoteOn(program->fboard, program->NextStop()));
        anchors.push_back(PressToNoteOn(&anchor, QPointF(50, 50)));
    }
    state.counters["median_us"] = Quantile(latencies, 0.5);
    state.counters["p99_us"] = Quantile(latencies, 0.99);
    state.counters["anchor_median_us"] = Quantile(anchors, 0.5);
    state.counters["anchor_p99_us"] = Quantile(anchors, 0.99);
    state.counters["boxes"] = program->responder.m_nShown;
}
BENCHMARK(BM_StopPressToNoteOn)->Iterations(200)->Unit(benchmark::kMicrosecond);

void BM_StopPressAsNoteEnds(benchmark::State& state)
{
    const auto program = StartProgram(state);
    if (!program)
        return;
    const int offsets[] = { -20, -5, -1, 0, 1, 5, 20 };
    CNoteOnWidget anchor;
    std::vector<double> latencies, anchors;
    std::size_t k = 0;
    for (auto _ : state) {
        // The note before was set to end kSingleNote after its note-on,
        // which was just now.
        const QPointF at = program->NextStop();
        RunEvents(kSingleNote + milliseconds(offsets[k++ % std::size(offsets)]));
        latencies.push_back(PressToNoteOn(program->fboard, at));
        anchors.push_back(PressToNoteOn(&anchor, QPointF(50, 50)));
    }
    state.counters["max_us"] = Quantile(latencies, 1.0);
    state.counters["anchor_max_us"] = Quantile(anchors, 1.0);
}
BENCHMARK(BM_StopPressAsNoteEnds)->Iterations(7)->Unit(benchmark::kMillisecond);

void BM_FirstNoteAfterSilence(benchmark::State& state)
{
    CSinkMonitor sink;
    if (!sink.IsOpen()) {
        state.SkipWithError("no sound server to listen to");
        return;
    }
    const auto program = StartProgram(state);
    if (!program)
        return;
    const auto asleep = [] { return Clock::now() - FluidSpy::LastRender() > kNoRenderIsSleep; };
    const auto silent = [&] { return sink.SilentFor(kSilenceBeforeNote); };
    double afterSilence = 0, awake = 0;
    for (auto _ : state) {
        if (!RunEventsUntil([&] { return asleep() && silent(); }, 4 * CBuiltinSynth::kSilenceBeforeSleep)) {
            state.SkipWithError("the synthesizer did not sleep in silence");
            return;
        }
        afterSilence = PressToSound(program->fboard, program->NextStop(), sink);
        // The note ends with its timer and dies away, well before the
        // synthesizer sleeps again.
        if (!RunEventsUntil(silent, kGiveUp) || asleep()) {
            state.SkipWithError("no silence while the synthesizer is awake");
            return;
        }
        awake = PressToSound(program->fboard, program->NextStop(), sink);
    }
    state.counters["after_silence_ms"] = afterSilence;
    state.counters["awake_ms"] = awake;
}
BENCHMARK(BM_FirstNoteAfterSilence)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
