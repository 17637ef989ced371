#pragma once
// Stand-ins for the wave player and the help viewer that keep what they
// were asked to do.
#include "framework/help.h"
#include "sound/wave_player.h"

#include <vector>

class CRecordingWavePlayer : public CWavePlayer {
public:
    CRecordingWavePlayer() { AfxSetWavePlayer(this); }
    ~CRecordingWavePlayer() override { AfxSetWavePlayer(nullptr); }
    bool PlaySync(const CString& path) override
    {
        m_paths.push_back(path);
        return true;
    }
    std::vector<CString> m_paths;
};

class CRecordingHelpViewer : public CHelpViewer {
public:
    struct Call {
        CString file;
        UINT command;
        DWORD data;
    };
    CRecordingHelpViewer() { AfxSetHelpViewer(this); }
    ~CRecordingHelpViewer() override { AfxSetHelpViewer(nullptr); }
    void ShowHelp(const CString& file, UINT command, DWORD data) override { m_calls.push_back({file, command, data}); }
    std::vector<Call> m_calls;
};
