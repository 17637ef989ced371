// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Holds a synthesizer's soundfont loading back until the test releases it,
// as a slow disk would, to show that nothing waits for it meanwhile. The
// synthesizer may be opened on a thread of its own.
#include "sound/builtin_synth.h"

#include <functional>
#include <mutex>
#include <utility>

class CHeldLoading {
public:
    CBuiltinSynth::BackgroundRunner Runner()
    {
        return [this](std::function<void()> load) {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_load = std::move(load);
        };
    }
    bool Waiting() const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return bool(m_load);
    }
    // Lets the loading run, here and now, to its end.
    void Release()
    {
        std::function<void()> load;
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            load = std::exchange(m_load, {});
        }
        if (load)
            load();
    }

private:
    mutable std::mutex m_mutex;
    std::function<void()> m_load;
};
