// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of each view's frame at 640 x 480, 1920 x 1080 and 3840 x 2160,
// with every staff column written:
// - BM_FullRepaint: the whole view drawn again and put on the window;
// - BM_Resize: the view grown by 16 pixels to that size, laid out, drawn
//   and put on the window.
// The anchor, timed in turn with each: copying an image of the same size.
// Figures are the medians of the run's frames, in ms.
#include "doc/voldrim_doc.h"
#include "support/recording_midi_output.h"
#include "support/timestamping_midi_output.h"
#include "views/fingerboard/fboard_view.h"
#include "views/staff/staff_view.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

const QSize kSizes[] = { { 640, 480 }, { 1920, 1080 }, { 3840, 2160 } };
constexpr int kGrowth = 16;
// More notes than any of the sizes has columns.
constexpr int kMelodyNotes = 2000;
enum ViewKind { Staff, Fingerboard };
enum Operation { Repaint, Resize };

// Every value and accidental, rests among them, so every kind of drawing runs.
void FillMelody(CVoldrimDoc& doc, int count)
{
    const NoteValue values[] = { NoteEighth, NoteQuarter, NoteDottedQuarter, NoteHalf, NoteDottedHalf, NoteWhole };
    for (int i = 0; i < count; ++i) {
        const int pitch = i % 13 == 12 ? kRestPitch : 36 + (i * 5) % 29;
        const NoteValue value = pitch == kRestPitch ? NoteRest : values[i % 6];
        doc.m_melody.push_back(std::make_unique<CNoteSeries>(value, pitch));
    }
    doc.m_bReloadMelody = true;
}

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The anchor: one image copied onto another of the same size.
double CopyImageMs(const QImage& from, QImage& to)
{
    const Clock::time_point start = Clock::now();
    QPainter painter(&to);
    painter.drawImage(0, 0, from);
    painter.end();
    return MsSince(start);
}

std::unique_ptr<CView> MakeView(ViewKind kind)
{
    if (kind == Staff)
        return std::make_unique<CStaffView>();
    return std::make_unique<CFboardView>();
}

void BM_ViewFrame(benchmark::State& state)
{
    const auto kind = ViewKind(state.range(0));
    const auto operation = Operation(state.range(1));
    const QSize size = kSizes[state.range(2)];
    CRecordingMidiOutput midi;
    std::vector<double> frames, anchors;
    {
        CVoldrimDoc doc;
        FillMelody(doc, kMelodyNotes);
        std::unique_ptr<CView> view = MakeView(kind);
        view->CreateView(nullptr, &doc, CSize(100, 100));
        view->resize(size);
        view->UpdateWindow();
        view->repaint();
        if (kind == Staff && doc.m_nLastColumn < doc.m_nColumnCount - 1)
            state.SkipWithError("not every column is written");
        QImage from(size, QImage::Format_RGB32), to(size, QImage::Format_RGB32);
        from.fill(Qt::white);
        for (auto _ : state) {
            if (operation == Resize) {
                view->resize(size - QSize(kGrowth, 0));
                view->UpdateWindow();
                view->repaint();
            }
            const Clock::time_point start = Clock::now();
            if (operation == Resize)
                view->resize(size);
            else
                view->Invalidate(TRUE);
            view->UpdateWindow();
            view->repaint();
            frames.push_back(MsSince(start));
            anchors.push_back(CopyImageMs(from, to));
        }
        state.counters["columns"] = doc.m_nColumnCount;
    }
    state.counters["frame_ms"] = Quantile(frames, 0.5);
    state.counters["anchor_ms"] = Quantile(anchors, 0.5);
}
BENCHMARK(BM_ViewFrame)
    ->ArgNames({ "view", "resize", "size" })
    ->ArgsProduct({ { Staff, Fingerboard }, { Repaint, Resize }, { 0, 1, 2 } })
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

} // namespace
