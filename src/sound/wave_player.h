#pragma once
// Plays a wave file to its end before returning. Every failure is silent:
// a missing or unplayable sound must never stop the program. Tests install
// their own player with AfxSetWavePlayer.
#include "framework/types.h"

class CWavePlayer {
public:
    virtual ~CWavePlayer() = default;
    // False when the file could not be read or played.
    virtual bool PlaySync(const CString& path) = 0;
};

// The player in use: the ALSA one unless a test has installed another.
CWavePlayer& AfxGetWavePlayer();
// Installs a player (not owned); null goes back to the ALSA one.
void AfxSetWavePlayer(CWavePlayer* player);
