// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_layout.h"

#include "model/staff_position_table.h"

#include <algorithm>

namespace printlayout {
namespace {
// The head on row 3 (the B below middle C) sits with its lower edge on the
// top line; every row further down is half a line spacing lower.
constexpr int kTopRowOffset = 30;
constexpr int kRowStep = kLineSpacing / 2;
// The first staff's bottom room and its distance from the page's top.
constexpr int kFirstStaffRoom = kStaffBottomRoom - kFirstStaffTop;
} // namespace

int ExtraStaves(int pageHeight)
{
    return std::max(0, pageHeight - kFirstStaffRoom) / kStaffSpacing;
}

void NotePlace::Advance(int pageWidth, int extraStaves)
{
    if (x < pageWidth - kStaffEndRoom) {
        x += kNoteSpacing;
        return;
    }
    x = kFirstNoteX;
    ++staff;
    staffTop -= kStaffSpacing;
    if (staff > extraStaves) {
        ++page;
        staff = 0;
        staffTop = kFirstStaffTop;
    }
}

std::optional<int> NoteOffset(int pitch)
{
    const int row = StaffRowOfPitch(pitch);
    if (row == kNoStaffRow)
        return std::nullopt;
    return kTopRowOffset - kRowStep * row;
}

} // namespace printlayout
