// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for the wave player and the help viewer that keep what they
// were asked to do, each installed for its lifetime.
#include "framework/help.h"
#include "sound/wave_player.h"

#include <vector>

class CRecordingWavePlayer : public CWavePlayer {
public:
    bool PlaySync(const CString& path) override
    {
        m_paths.push_back(path);
        return true;
    }
    std::vector<CString> m_paths;

private:
    CServiceOverride<CWavePlayer> m_installed{this};
};

class CRecordingHelpViewer : public CHelpViewer {
public:
    struct Call {
        CString file;
        UINT command;
        DWORD data;
    };
    void ShowHelp(const CString& file, UINT command, DWORD data) override { m_calls.push_back({file, command, data}); }
    std::vector<Call> m_calls;

private:
    CServiceOverride<CHelpViewer> m_installed{this};
};
