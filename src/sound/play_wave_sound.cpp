// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/play_wave_sound.h"

#include "sound/wave_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <atomic>

CString WaveSoundPath(const CString& name, const CString& programDir)
{
    const CString here = QDir::current().filePath(name);
    if (QFileInfo(here).isFile())
        return here;
    // The build names the installed data folder relative to the program's.
    const CString installed = QDir(programDir).filePath(QStringLiteral(VOLDRIM_DATA_FROM_PROGRAM "/") + name);
    return QFileInfo(installed).isFile() ? QDir::cleanPath(installed) : here;
}

namespace {
std::atomic<std::chrono::steady_clock::rep> lastWaveSoundEnded{0};
}

void PlayWaveSound(const CString& name)
{
    // The result is dropped on purpose: start-up and exit go on in silence.
    AfxGetWavePlayer().PlaySync(WaveSoundPath(name, QCoreApplication::applicationDirPath()));
    lastWaveSoundEnded = std::chrono::steady_clock::now().time_since_epoch().count();
}

std::chrono::steady_clock::time_point LastWaveSoundEnded()
{
    return std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(lastWaveSoundEnded.load()));
}
