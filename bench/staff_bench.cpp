// Staff view speed at 1920 x 1080: the full repaint with every column
// written, and the layout rebuild.
#include "doc/voldrim_doc.h"
#include "model/key.h"
#include "sound/midi_output_system.h"
#include "support/recording_midi_output.h"
#include "views/staff/staff_view.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Every value and accidental, rests among them, so every kind of drawing runs.
void FillMelody(CVoldrimDoc& doc, int count)
{
    const NoteValue values[] = {NoteEighth, NoteQuarter, NoteDottedQuarter, NoteHalf, NoteDottedHalf, NoteWhole};
    for (int i = 0; i < count; ++i) {
        const int pitch = i % 13 == 12 ? kRestPitch : 36 + (i * 5) % 29;
        const NoteValue value = pitch == kRestPitch ? NoteRest : values[i % 6];
        doc.m_melody.push_back(std::make_unique<CNoteSeries>(value, pitch));
    }
}

void BM_StaffFullRepaint(benchmark::State& state)
{
    CRecordingMidiOutput midi;
    {
        CVoldrimDoc doc;
        doc.m_nKey = Key(state.range(0));
        CStaffView view;
        view.CreateView(nullptr, &doc, CSize(100, 100));
        view.resize(kWidth, kHeight);
        FillMelody(doc, 1000);
        view.UpdateWindow();  // the reload paint writes every column
        if (doc.m_nLastColumn < doc.m_nColumnCount - 1)
            state.SkipWithError("not every column is written");
        for (auto _ : state) {
            view.Invalidate(TRUE);
            view.UpdateWindow();
        }
        state.counters["columns"] = doc.m_nColumnCount;
    }
}
BENCHMARK(BM_StaffFullRepaint)->Arg(KeyC)->Arg(KeyChromatic)->Unit(benchmark::kMillisecond);

void BM_BuildStaffLayout(benchmark::State& state)
{
    CRecordingMidiOutput midi;
    {
        CVoldrimDoc doc;
        for (auto _ : state) {
            doc.BuildStaffLayout(0, 0, kWidth, kHeight, kHeight / 205);
            benchmark::DoNotOptimize(doc.m_nColumnCount);
        }
        state.counters["columns"] = doc.m_nColumnCount;
    }
}
BENCHMARK(BM_BuildStaffLayout)->Unit(benchmark::kMicrosecond);

} // namespace
