// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry of a running playback, copied from a written column.
#include "framework/object.h"
#include "framework/types.h"
#include "model/note_value.h"
#include "model/pitch.h"

class CPlayItem : public CObject {
public:
    CPlayItem() = default;
    CPlayItem(int pitch, NoteValue value, const CRect& column) : m_nPitch(pitch), m_nValue(value), m_rcColumn(column) {}
    int GetPitch() const { return m_nPitch; }
    void SetPitch(int pitch) { m_nPitch = pitch; }
    NoteValue GetValue() const { return m_nValue; }
    void SetValue(NoteValue value) { m_nValue = value; }
    const CRect& GetColumnRect() const { return m_rcColumn; }
    void SetColumnRect(const CRect& rc) { m_rcColumn = rc; }

private:
    int m_nPitch = kNoPitch;
    NoteValue m_nValue{};
    CRect m_rcColumn;
};
