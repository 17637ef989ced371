#include "sound/wave_player.h"

#include "sound/alsa_wave_player.h"

namespace {
CWavePlayer* g_installed = nullptr;
}

CWavePlayer& AfxGetWavePlayer()
{
    if (g_installed)
        return *g_installed;
    // Never destroyed, so a sound played during exit still finds it.
    static CAlsaWavePlayer* const real = new CAlsaWavePlayer;
    return *real;
}

void AfxSetWavePlayer(CWavePlayer* player)
{
    g_installed = player;
}
