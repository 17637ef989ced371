// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing one note by a click on the staff, in a 3840 x 4320 window with
// 1, 100 or 1,700 columns written: the press writes the last written
// column again (a new pitch each time, so the column count stays), and the
// note is drawn, sounded and put on the window.
// The anchor, clicked in turn: a bare widget of the same size that paints a
// note-sized square where it is clicked.
// Figures are the medians of the run's clicks, in ms.
#include "doc/voldrim_doc.h"
#include "model/staff_position_table.h"
#include "support/recording_midi_output.h"
#include "support/timestamping_midi_output.h"
#include "views/staff/staff_view.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

const QSize kWindow(3840, 4320);
constexpr int kNoteSquare = 24;
// Two rows in the middle of a column, written in turn.
constexpr int kRows[] = { 6, 8 };

class CSquareWidget : public QWidget {
protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        m_square = QRect(event->position().toPoint(), QSize(kNoteSquare, kNoteSquare));
        repaint(m_square);
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(m_square, Qt::black);
    }

private:
    QRect m_square;
};

void Click(QWidget* widget, QPointF at)
{
    for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void BM_WriteNoteByClick(benchmark::State& state)
{
    const int written = int(state.range(0));
    CRecordingMidiOutput midi;
    std::vector<double> clicks, anchors;
    {
        CVoldrimDoc doc;
        for (int i = 0; i < written; ++i)
            doc.m_melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, 48 + i % 12));
        doc.m_bReloadMelody = true;
        CStaffView view;
        view.CreateView(nullptr, &doc, CSize(100, 100));
        view.resize(kWindow);
        view.UpdateWindow();
        view.repaint();
        if (doc.m_nLastColumn != written - 1) {
            state.SkipWithError("the melody did not fill the columns asked for");
            return;
        }
        CSquareWidget anchor;
        anchor.resize(kWindow);
        anchor.show();
        const std::size_t firstRow = std::size_t(written - 1) * kStaffPositionsPerColumn;
        std::size_t k = 0;
        for (auto _ : state) {
            const CPoint at = doc.m_positionList[firstRow + kRows[k++ % 2]].GetHitRect().CenterPoint();
            const Clock::time_point start = Clock::now();
            Click(&view, QPointF(at.x, at.y));
            view.UpdateWindow();
            QApplication::processEvents(); // onto the window: the part drawn
            clicks.push_back(MsSince(start));
            const Clock::time_point anchorStart = Clock::now();
            Click(&anchor, QPointF(at.x, at.y));
            anchors.push_back(MsSince(anchorStart));
        }
        state.counters["columns"] = doc.m_nColumnCount;
        state.counters["notes_sent"] = double(midi.AllWords().size());
    }
    state.counters["click_ms"] = Quantile(clicks, 0.5);
    state.counters["anchor_ms"] = Quantile(anchors, 0.5);
}
BENCHMARK(BM_WriteNoteByClick)->ArgName("written")->Arg(1)->Arg(100)->Arg(1700)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
