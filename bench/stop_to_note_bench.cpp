// From a mouse press on a fingerboard stop to the note-on word leaving the
// MIDI device: the stop is drawn, the staff writes the note into its next
// column at its next paint and sounds it. The whole program runs, on
// Qt's offscreen platform.
#include "app/main_frame.h"
#include "app/voldrim_app.h"
#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "framework/splitter.h"
#include "framework/ui_responder.h"
#include "model/finger_stop.h"
#include "sound/wave_player.h"
#include "support/timestamping_midi_output.h"
#include "views/fingerboard/fboard_view.h"
#include "views/staff/staff_view.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

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

void Press(QWidget* view, const CRect& rc, QEvent::Type type)
{
    const QPointF at(rc.CenterPoint().x, rc.CenterPoint().y);
    QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

void BM_StopPressToNoteOn(benchmark::State& state)
{
    CTimestampingMidiOutput midi;
    CSilentWavePlayer waves;
    CCountingResponder responder;
    CServiceOverride<CWavePlayer> silent(&waves);
    CServiceOverride<CUiResponder> counting(&responder);
    std::vector<double> latencies;
    {
        CVoldrimApp app;
        app.SetArguments({QStringLiteral("/Embedding")});
        app.InitInstance();
        QApplication::processEvents();
        auto* frame = static_cast<CMainFrame*>(app.GetDocTemplate()->GetFrame());
        auto* fboard = static_cast<CFboardView*>(frame->GetSplitter()->GetPane(0, 0));
        auto* doc = static_cast<CVoldrimDoc*>(app.GetDocTemplate()->GetDocument());
        const int pitches[] = {36, 43, 45, 48, 50, 52, 53, 55, 57, 59, 60};
        int next = 0;
        for (auto _ : state) {
            // A new melody before the staff is full (the question would stop the clock).
            if (doc->m_nLastColumn >= doc->m_nColumnCount - 2) {
                doc->ResetState();
                QApplication::processEvents();
            }
            const CRect rc = FindStopOfPitch(doc->m_stopList, pitches[next++ % 11])->GetRect();
            const std::size_t before = midi.m_noteOns.size();
            const auto start = CTimestampingMidiOutput::Clock::now();
            Press(fboard, rc, QEvent::MouseButtonPress);
            while (midi.m_noteOns.size() == before)
                QApplication::processEvents();
            latencies.push_back(std::chrono::duration<double, std::micro>(midi.m_noteOns[before] - start).count());
            Press(fboard, rc, QEvent::MouseButtonRelease);
        }
    }
    state.counters["median_us"] = Quantile(latencies, 0.5);
    state.counters["p99_us"] = Quantile(latencies, 0.99);
    state.counters["boxes"] = responder.m_nShown;
}
BENCHMARK(BM_StopPressToNoteOn)->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace
