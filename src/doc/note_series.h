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

private:
    int m_nValue = 0;
    int m_nPitch = 0;
};
