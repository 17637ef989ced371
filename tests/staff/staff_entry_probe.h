// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing on the staff as the student does: clicks on the rows of a
// column with letter keys held, and the MIDI words that come out.
#include "doc/voldrim_doc.h"
#include "framework/bitmap_button.h"
#include "views/staff/staff_view.h"

#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace staffentry {

// Note-on and note-off words of channel 1 at velocity 127.
constexpr DWORD NoteOn(int pitch) { return 0x007F0090u | DWORD(pitch) << 8; }
constexpr DWORD NoteOff(int pitch) { return 0x007F0080u | DWORD(pitch) << 8; }

// A point of the row that no neighbouring row's hit rectangle reaches.
inline QPoint RowPoint(const CVoldrimDoc* doc, int column, int row)
{
    const CRect& hit = doc->m_positionList[size_t(column) * 17 + size_t(row)].GetHitRect();
    return QPoint(hit.left + 22, hit.top + 4);
}

inline void ClickRow(CStaffView* view, int column, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(view, button, Qt::NoModifier, RowPoint(view->GetDocument(), column, row));
}

// Presses the keys, clicks the row, and lets the keys go again.
inline void ClickRowHolding(CStaffView* view, int column, int row, std::initializer_list<Qt::Key> keys,
                            Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (Qt::Key key : keys)
        QTest::keyPress(view, key, modifiers);
    ClickRow(view, column, row);
    for (Qt::Key key : keys)
        QTest::keyRelease(view, key, modifiers);
}

// The pitches of the note-on words, in order.
inline std::vector<int> NotesStarted(const std::vector<DWORD>& words)
{
    std::vector<int> pitches;
    for (DWORD word : words)
        if ((word & 0xF0) == 0x90)
            pitches.push_back(int(word >> 8 & 0x7F));
    return pitches;
}

// Presses one of the view's picture buttons with the mouse.
inline void PressButton(CView* view, UINT id)
{
    for (CBitmapButton* button : view->findChildren<CBitmapButton*>()) {
        if (button->GetDlgCtrlID() == id) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no button " << id;
}

} // namespace staffentry
