// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which pitches have shown an accidental so far while a chromatic melody
// is drawn, so that a natural sign is written where one is needed.
#include "framework/object.h"

#include <array>

class CAccidentalMemory : public CObject {
public:
    static constexpr int kSize = 65; // pitches 0 to 64

    void ClearAll() { m_flags.fill(0); }
    int Test(int pitch) const { return m_flags[size_t(pitch)]; }
    int Set(int pitch)
    {
        m_flags[size_t(pitch)] = 1;
        return pitch;
    }
    int Clear(int pitch)
    {
        m_flags[size_t(pitch)] = 0;
        return pitch;
    }

private:
    std::array<int, kSize> m_flags{};
};
