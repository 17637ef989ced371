// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where things go on a printed melody page. Units are hundredths of an
// inch with y growing upward: the printable area's top-left corner is
// (0, 0), so every y on the page is 0 or below.
#include <optional>

namespace printlayout {

constexpr int kFirstStaffTop = -150;   // top line of the first staff
constexpr int kLineSpacing = 20;       // between the five lines of a staff
constexpr int kStaffLines = 5;
constexpr int kStaffSpacing = 200;     // from one staff's top line to the next
constexpr int kStaffBottomRoom = 220;  // a staff fits while its top line is at least this far above the bottom
constexpr int kClefX = 10;
constexpr int kFirstNoteX = 150;
constexpr int kNoteSpacing = 100;
constexpr int kStaffEndRoom = 200;     // a staff is full after the note this close to the right edge
constexpr int kHeadWidth = 25;
constexpr int kHeadHeight = 19;

// Whether a staff with its top line at y fits on a page of the given height.
constexpr bool StaffFits(int staffTop, int pageHeight)
{
    return staffTop >= kStaffBottomRoom - pageHeight;
}

// How many staves a page holds below its first one.
int ExtraStaves(int pageHeight);

// The place of one record of the melody: its page (from 1), its staff on
// that page, its x and the top line of its staff.
struct NotePlace {
    int page = 1;
    int staff = 0;
    int x = kFirstNoteX;
    int staffTop = kFirstStaffTop;

    // The place of the next record: further right, on the next staff when
    // this one is full, on the next page after the last staff.
    void Advance(int pageWidth, int extraStaves);
};

// The lower edge of a note head of the pitch, relative to its staff's top
// line; none for a pitch no row of the staff carries.
std::optional<int> NoteOffset(int pitch);

} // namespace printlayout
