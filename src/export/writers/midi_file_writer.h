// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The melody as a Standard MIDI File (format 0) for sequencers and players:
// the tempo, the chosen instrument on the chosen channel, and every note
// for as long as playback sounds it, rests as silence; with a meter, its
// time signature.
#include "export/meter.h"
#include "export/score_melody.h"

#include <QByteArray>

class QIODevice;

// Written to the device as it goes, which must be open and seekable;
// false when the device failed.
bool WriteMidiFile(const ScoreMelody& melody, QIODevice& device, const Meter& meter = Meter());
// The same in memory.
QByteArray MelodyToMidiFile(const ScoreMelody& melody, const Meter& meter = Meter());
