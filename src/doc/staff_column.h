// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One slot of the written melody: a note, a rest or nothing.
#include "framework/object.h"
#include "framework/types.h"
#include "model/note_value.h"
#include "model/pitch.h"

class CStaffColumn : public CObject {
public:
    int GetPitch() const { return m_nPitch; }
    void SetPitch(int pitch) { m_nPitch = pitch; }
    NoteValue GetValue() const { return m_nValue; }
    void SetValue(NoteValue value) { m_nValue = value; }
    const CRect& GetLabelRect() const { return m_rcLabel; }
    void SetLabelRect(const CRect& rc) { m_rcLabel = rc; }
    const CRect& GetHitRect() const { return m_rcHit; }
    void SetHitRect(const CRect& rc) { m_rcHit = rc; }
    const CRect& GetNoteRect() const { return m_rcNote; }
    void SetNoteRect(const CRect& rc) { m_rcNote = rc; }
    const CString& GetName() const { return m_strName; }
    void SetName(const CString& name) { m_strName = name; }
    // The melody record the column shows, as an index into the document's
    // melody; kNoRecord until the column has been read back into it.
    static constexpr int kNoRecord = -1;
    int GetRecord() const { return m_nRecord; }
    void SetRecord(int record) { m_nRecord = record; }

    // Empties the column; a quarter is the value an empty column offers.
    void Clear()
    {
        m_nPitch = kNoPitch;
        m_nValue = NoteQuarter;
        m_rcNote.SetRectEmpty();
        m_strName.clear();
        m_nRecord = kNoRecord;
    }
    bool IsWritten() const { return !m_rcNote.IsRectEmpty(); }

private:
    int m_nPitch = kNoPitch;
    NoteValue m_nValue = NoteQuarter;
    CRect m_rcLabel;
    CRect m_rcHit;
    CRect m_rcNote;
    CString m_strName;
    int m_nRecord = kNoRecord;
};
