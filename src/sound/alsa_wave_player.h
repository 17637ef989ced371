// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "sound/wave_player.h"

// Decodes with libsndfile and plays through the ALSA PCM named by
// $VOLDRIM_WAVE_DEVICE ("default" when unset), blocking until drained.
class CAlsaWavePlayer : public CWavePlayer {
public:
    bool PlaySync(const CString& path) override;
    static CString DeviceName();
};
