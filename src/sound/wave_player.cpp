#include "sound/wave_player.h"

#include "sound/alsa_wave_player.h"

namespace {
CWavePlayer* g_installed = nullptr;
}

CWavePlayer& AfxGetWavePlayer()
{
    if (g_installed)
        return *g_installed;
    static CAlsaWavePlayer real;
    return real;
}

void AfxSetWavePlayer(CWavePlayer* player)
{
    g_installed = player;
}
