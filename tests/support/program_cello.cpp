// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/program_cello.h"

std::unique_ptr<CProgramCello> CProgramCello::Load(const CString& soundFont)
{
    CString why;
    MMRESULT error = 0;
    auto synth = CBuiltinSynth::CreateWith({soundFont}, CBuiltinSynth::Output::Offline, &why, &error);
    return synth ? std::unique_ptr<CProgramCello>(new CProgramCello(std::move(synth))) : nullptr;
}

std::vector<float> RenderBowedNotes(const std::vector<int>& pitches)
{
    const std::unique_ptr<CProgramCello> cello = CProgramCello::Load(CBuiltinSynth::FindSoundFont());
    return cello ? RenderCelloOn(*cello, CelloPlaying::Plain, pitches).samples : std::vector<float>();
}
