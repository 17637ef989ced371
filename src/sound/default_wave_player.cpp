// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The default wave player, ALSA's, wired in a file of its own: the
// interface's users and stand-ins do not include the real one.
#include "sound/wave_player.h"

#include "sound/alsa_wave_player.h"

CWavePlayer* CServiceDefault<CWavePlayer>::Get()
{
    // Never destroyed, so a sound played during exit still finds it.
    static CAlsaWavePlayer* const real = new CAlsaWavePlayer;
    return real;
}
