// Staff view speed: the full repaint and the resize with every column
// written, at three window sizes; writing one note by a click, whatever
// the number of columns written; and the layout rebuild.
#include "doc/voldrim_doc.h"
#include "model/key.h"
#include "sound/midi_output_system.h"
#include "support/recording_midi_output.h"
#include "views/staff/staff_view.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
// Two screens of 3840 x 2160 stacked: 1,785 columns.
constexpr int kTallWidth = 3840;
constexpr int kTallHeight = 4320;

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

// A staff view of the given size whose melody fills the given number of
// columns, or every column when count is negative.
struct WrittenStaff {
    WrittenStaff(benchmark::State& state, Key key, int width, int height, int count = -1)
    {
        doc.m_nKey = key;
        view.CreateView(nullptr, &doc, CSize(100, 100));
        view.resize(width, height);
        FillMelody(doc, count < 0 ? doc.m_nColumnCount : count);
        view.UpdateWindow();  // the reload paint writes the columns
        if (doc.m_nLastColumn != (count < 0 ? doc.m_nColumnCount : count) - 1)
            state.SkipWithError("the melody does not fill the columns asked for");
        state.counters["columns"] = doc.m_nLastColumn + 1;
    }
    CRecordingMidiOutput midi;
    CVoldrimDoc doc;
    CStaffView view;
};

void BM_StaffFullRepaint(benchmark::State& state)
{
    WrittenStaff staff(state, Key(state.range(0)), int(state.range(1)), int(state.range(2)));
    for (auto _ : state) {
        staff.view.Invalidate(TRUE);
        staff.view.UpdateWindow();
    }
}

// A resize by one pixel row keeps the systems, rebuilds the layout and
// writes the whole melody again.
void BM_StaffResize(benchmark::State& state)
{
    const int width = int(state.range(1));
    const int height = int(state.range(2));
    WrittenStaff staff(state, Key(state.range(0)), width, height);
    bool shorter = false;
    for (auto _ : state) {
        shorter = !shorter;
        staff.view.resize(width, shorter ? height - 1 : height);
        staff.view.UpdateWindow();
    }
}

void Sizes(benchmark::internal::Benchmark* bench)
{
    for (Key key : {KeyC, KeyChromatic}) {
        bench->Args({key, 640, 480});
        bench->Args({key, kWidth, kHeight});
        bench->Args({key, 3840, 2160});
    }
}
BENCHMARK(BM_StaffFullRepaint)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StaffResize)->Apply(Sizes)->Unit(benchmark::kMillisecond);

void Click(QWidget* view, QPoint at, QEvent::Type type)
{
    QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

// A click on the last written column, on two rows in turn, until the
// painting has drawn and sounded the note.
void BM_StaffClickWritesNote(benchmark::State& state)
{
    WrittenStaff staff(state, KeyC, kTallWidth, kTallHeight, int(state.range(0)));
    const CRect column = staff.doc.m_columnList[std::size_t(staff.doc.m_nLastColumn)].GetHitRect();
    const QPoint rows[] = {QPoint(column.left + 22, column.top + 52), QPoint(column.left + 22, column.top + 67)};
    int turn = 0;
    for (auto _ : state) {
        const QPoint at = rows[turn++ % 2];
        Click(&staff.view, at, QEvent::MouseButtonPress);
        Click(&staff.view, at, QEvent::MouseButtonRelease);
        staff.view.UpdateWindow();
    }
    if (staff.midi.AllWords().empty())
        state.SkipWithError("no note sounded");
}
BENCHMARK(BM_StaffClickWritesNote)->Arg(1)->Arg(100)->Arg(1700)->Unit(benchmark::kMillisecond);

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
