// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A staff view on its own document, sized like a window's client area,
// with MIDI output and message boxes replaced by recorders.
#include "doc/voldrim_doc.h"
#include "model/staff_position_table.h"
#include "sound/midi_output_system.h"
#include "support/recording_midi_output.h"
#include "support/pixels.h"
#include "support/scripted_responder.h"
#include "views/staff/staff_view.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

namespace stafftest {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kNameBlue = RGB(0, 0, 200);

class StaffViewTest : public ::testing::Test {
protected:
    StaffViewTest() { m_doc = std::make_unique<CVoldrimDoc>(); }
    ~StaffViewTest() override
    {
        m_view.reset();
        m_doc.reset();
    }

    // Creates the view and gives it the client size, as the frame does.
    CStaffView* Create(int width = 600, int height = 450)
    {
        m_view = std::make_unique<CStaffView>();
        EXPECT_TRUE(m_view->CreateView(nullptr, m_doc.get(), CSize(100, 100)));
        Resize(width, height);
        return m_view.get();
    }
    void Resize(int width, int height)
    {
        m_view->resize(width, height);
        Paint();
    }
    // Runs the paint passes that are due, as the message loop would.
    void Paint()
    {
        QApplication::processEvents();
        m_view->UpdateWindow();
    }
    // Repaints everything, as HintRepaintAll asks.
    void Repaint()
    {
        m_doc->UpdateAllViews(nullptr, HintRepaintAll);
        Paint();
    }

    COLORREF Px(int x, int y) const { return PixelOf(m_view->BackingImage(), x, y); }
    bool IsBlack(int x, int y) const { return Px(x, y) == kBlack; }
    // Counts the pixels of one colour in [l, r) x [t, b).
    int Count(COLORREF color, int l, int t, int r, int b) const
    {
        return CountPixels(m_view->BackingImage(), color, l, t, r, b);
    }
    // Whether every pixel of the horizontal run [x1, x2) at y is black.
    bool BlackRow(int x1, int x2, int y) const { return Count(kBlack, x1, y, x2, y + 1) == x2 - x1; }
    bool BlackColumn(int x, int y1, int y2) const { return Count(kBlack, x, y1, x + 1, y2) == y2 - y1; }

    // Writes a note into a column as a staff click leaves it: the row that
    // carries the pitch gives the head rectangle and the name.
    void WriteColumn(int column, int pitch, NoteValue value)
    {
        CStaffColumn* col = &m_doc->m_columnList[size_t(column)];
        const size_t first = size_t(column) * kStaffPositionsPerColumn;
        for (size_t i = first; i < first + kStaffPositionsPerColumn; ++i) {
            const CStaffPosition* pos = &m_doc->m_positionList[i];
            if (pitch == kRestPitch || pos->HoldsPitch(pitch)) {
                col->SetPitch(pitch);
                col->SetValue(value);
                col->SetNoteRect(pos->GetHeadRect());
                col->SetName(pitch == kRestPitch ? QStringLiteral(" ") : pos->NameForPitch(pitch));
                return;
            }
        }
        ADD_FAILURE() << "no row for pitch " << pitch;
    }
    void AddToMelody(int pitch, NoteValue value) { m_doc->m_melody.push_back(std::make_unique<CNoteSeries>(value, pitch)); }

    CRecordingMidiOutput m_midi;
    CScriptedResponder m_responder;
    std::unique_ptr<CVoldrimDoc> m_doc;
    std::unique_ptr<CStaffView> m_view;
};

} // namespace stafftest
