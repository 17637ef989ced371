// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One note or rest of the melody as it is saved: its rhythmic value and
// its pitch (999 and 999 for a rest).
#include "framework/object.h"
#include "model/note_value.h"
#include "model/pitch.h"

class CNoteSeries : public CObject {
public:
    CNoteSeries() = default;
    CNoteSeries(NoteValue value, int pitch) : m_nValue(value), m_nPitch(pitch) {}
    NoteValue GetValue() const { return m_nValue; }
    void SetValue(NoteValue value) { m_nValue = value; }
    int GetPitch() const { return m_nPitch; }
    void SetPitch(int pitch) { m_nPitch = pitch; }

    // Stored in melody files under the class name "CNoteSeries", schema 0.
    static const CRuntimeClass* GetThisClass();
    const CRuntimeClass* GetRuntimeClass() const override { return GetThisClass(); }
    // The pitch, then the value, 4 bytes each.
    void Serialize(CArchive& ar) override;

private:
    // Unset until the record is filled, from a column or a melody file.
    NoteValue m_nValue{};
    int m_nPitch = kNoPitch;
};
