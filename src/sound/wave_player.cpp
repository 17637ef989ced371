// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/wave_player.h"

#include "sound/alsa_wave_player.h"

CWavePlayer* CServiceDefault<CWavePlayer>::Get()
{
    // Never destroyed, so a sound played during exit still finds it.
    static CAlsaWavePlayer* const real = new CAlsaWavePlayer;
    return real;
}
