// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the staff writes a pitch, by the staff position table: with a sharp,
// with a flat, on a line or in a space. A pitch the staff does not write
// is none of these.

// C#, F#: the altered notes of the positions that are sharpened.
bool IsWrittenSharp(int pitch);
// Eb, Ab, Bb: the altered notes of the positions that are flattened.
bool IsWrittenFlat(int pitch);
// On a staff line or a ledger line, which the head covers: every other
// position from the top E down.
bool IsOnStaffLine(int pitch);
