// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of one staff column: the note it stands for and where its head
// is drawn and clicked. Small and kept by value: the names and pitches
// come from the row's entry in the staff table.
#include "framework/object.h"
#include "framework/types.h"
#include "model/key.h"
#include "model/pitch.h"

class CStaffPosition : public CObject {
public:
    // A row of a column, 0 at the top (E) to 16 at the bottom (C), with
    // its head and hit rectangles.
    CStaffPosition(int row, const CRect& head, const CRect& hit) : m_rcHead(head), m_rcHit(hit), m_nRow(row) {}

    CString GetLetterName() const;
    CString GetAccidentalName() const;
    int GetNaturalPitch() const;
    int GetAlteredPitch() const;
    const CRect& GetHeadRect() const { return m_rcHead; }
    void SetHeadRect(const CRect& rc) { m_rcHead = rc; }
    const CRect& GetHitRect() const { return m_rcHit; }
    void SetHitRect(const CRect& rc) { m_rcHit = rc; }
    int GetRow() const { return m_nRow; }

    // The pitch a click on this row writes in the key: the key's sharps and
    // flats apply by the row's letter name.
    int PitchForKey(Key key) const;
    // The name shown for a pitch written on this row: the letter name for a
    // natural, the accidental name otherwise.
    CString NameForPitch(int pitch) const;
    // Whether the row carries the pitch, as its natural or its altered note.
    bool HoldsPitch(int pitch) const
    {
        return pitch != kNoPitch && (pitch == GetNaturalPitch() || pitch == GetAlteredPitch());
    }

private:
    CRect m_rcHead;
    CRect m_rcHit;
    int m_nRow;
};
