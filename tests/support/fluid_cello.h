// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The listening material's synthesizer: FluidSynth set up as the program's
// built-in synthesizer sets itself up offline (its sample rate and gain,
// samples read when a preset is used, no programs chosen as the soundfont
// loads), so that what the listener is measured on is what the program
// plays, without the program's sound output and the GUI it links.
#include "support/cello_material.h"

#include <memory>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

class CFluidCello : public CCelloSynth {
public:
    // Null when the soundfont does not load.
    static std::unique_ptr<CFluidCello> Load(const CString& soundFont);
    ~CFluidCello() override;
    CFluidCello(const CFluidCello&) = delete;
    CFluidCello& operator=(const CFluidCello&) = delete;

    void Send(DWORD word) override;
    std::vector<std::int16_t> Render(int frames) override;

private:
    CFluidCello() = default;

    _fluid_hashtable_t* m_pSettings = nullptr;
    _fluid_synth_t* m_pSynth = nullptr;
};
