// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Holds a synthesizer's soundfont loading back until the test releases it,
// as a slow disk would, to show that nothing waits for it meanwhile.
#include "sound/builtin_synth.h"

#include <functional>
#include <utility>

class CHeldLoading {
public:
    CBuiltinSynth::BackgroundRunner Runner()
    {
        return [this](std::function<void()> load) { m_load = std::move(load); };
    }
    bool Waiting() const { return bool(m_load); }
    // Lets the loading run, here and now, to its end.
    void Release()
    {
        if (auto load = std::exchange(m_load, {}))
            load();
    }

private:
    std::function<void()> m_load;
};
