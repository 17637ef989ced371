// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays a wave file to its end before returning. Every failure is silent:
// a missing or unplayable sound must never stop the program. Tests install
// their own player as the CService of CWavePlayer.
#include "framework/service.h"
#include "framework/types.h"

class CWavePlayer {
public:
    virtual ~CWavePlayer() = default;
    // False when the file could not be read or played.
    virtual bool PlaySync(const CString& path) = 0;
};

// The ALSA player is the default.
template <>
struct CServiceDefault<CWavePlayer> {
    static CWavePlayer* Get();
};

// The player in use: the ALSA one unless a test has installed another.
inline CWavePlayer& AfxGetWavePlayer() { return *CService<CWavePlayer>::Get(); }
