// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cello material played by the program's own synthesizer, offline.
#include "sound/builtin_synth.h"
#include "support/cello_material.h"

#include <memory>

class CProgramCello : public CCelloSynth {
public:
    // Null when the soundfont does not load.
    static std::unique_ptr<CProgramCello> Load(const CString& soundFont);

    void Send(DWORD word) override { m_pSynth->Send(word); }
    std::vector<std::int16_t> Render(int frames) override { return m_pSynth->Render(frames); }

private:
    explicit CProgramCello(std::unique_ptr<CBuiltinSynth> synth) : m_pSynth(std::move(synth)) {}

    std::unique_ptr<CBuiltinSynth> m_pSynth;
};

// The notes bowed plainly one after the other, from the program's own
// soundfont, with silence before, between and after.
std::vector<float> RenderBowedNotes(const std::vector<int>& pitches);
