#include "sound/play_wave_sound.h"

#include "sound/wave_player.h"

#include <QDir>

void PlayWaveSound(const CString& name)
{
    // The result is dropped on purpose: start-up and exit go on in silence.
    AfxGetWavePlayer().PlaySync(QDir::currentPath() + QLatin1Char('/') + name);
}
