// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/tempo_table.h"

namespace {

// Two separate columns: the milliseconds are what is stored and played,
// the beats per minute only what is shown. 790 and 1160 are kept as the
// steps have always been, though they are not 60000 / bpm.
const int kTempoMs[kTempoSteps] = {272, 288, 312, 340, 375, 416, 476, 535, 576, 600,
                                   625, 714, 790, 833, 909, 1000, 1160, 1304, 1500, 2000};
const int kTempoBpm[kTempoSteps] = {220, 208, 192, 176, 160, 144, 126, 112, 104, 100,
                                    96, 84, 76, 72, 66, 60, 52, 46, 40, 30};

constexpr double kMillisecondsPerMinute = 60000.0;

int ClampPosition(int position)
{
    if (position < 0)
        return 0;
    if (position > kSlowestTempoPosition)
        return kSlowestTempoPosition;
    return position;
}

}

CString GetTempoName(int beatMs)
{
    if (beatMs < 273)
        return QStringLiteral("Prestissimo");
    if (beatMs < 375)
        return QStringLiteral("Presto");
    if (beatMs < 625)
        return QStringLiteral("Allegro");
    if (beatMs < 833)
        return QStringLiteral("Moderato");
    if (beatMs < 1160)
        return QStringLiteral("Andante");
    if (beatMs < 1500)
        return QStringLiteral("Largo");
    return QStringLiteral("Adagio");
}

int TempoMsAt(int position)
{
    return kTempoMs[ClampPosition(position)];
}

int TempoBpmAt(int position)
{
    return kTempoBpm[ClampPosition(position)];
}

int TempoPositionOf(int beatMs)
{
    for (int position = 0; position < kTempoSteps; ++position) {
        if (kTempoMs[position] == beatMs)
            return position;
    }
    return kSlowestTempoPosition;
}

int TempoBpmOf(int beatMs)
{
    const int position = TempoPositionOf(beatMs);
    if (TempoMsAt(position) == beatMs)
        return TempoBpmAt(position);
    return beatMs > 0 ? qRound(kMillisecondsPerMinute / beatMs) : 0;
}
