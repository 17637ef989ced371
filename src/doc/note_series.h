#pragma once
// One note or rest of the melody as it is saved: its rhythmic value and
// its pitch (999 and 999 for a rest).
#include "framework/object.h"

class CNoteSeries : public CObject {
public:
    CNoteSeries() = default;
    CNoteSeries(int value, int pitch) : m_nValue(value), m_nPitch(pitch) {}
    int GetValue() const { return m_nValue; }
    void SetValue(int value) { m_nValue = value; }
    int GetPitch() const { return m_nPitch; }
    void SetPitch(int pitch) { m_nPitch = pitch; }

    // Stored in melody files under the class name "CNoteSeries", schema 0.
    static const CRuntimeClass* GetThisClass();
    const CRuntimeClass* GetRuntimeClass() const override { return GetThisClass(); }
    // The pitch, then the value, 4 bytes each.
    void Serialize(CArchive& ar) override;

private:
    int m_nValue = 0;
    int m_nPitch = 0;
};
