// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The melody as a MusicXML 4.0 score for notation programs: one part,
// "Violoncello", in the bass clef, with the title and composer, the key
// signature of the melody's key and its tempo as a metronome mark; with
// a meter, its time signature and bars.
#include "export/meter.h"
#include "export/score_melody.h"

#include <QByteArray>

class QIODevice;

// Written to the device as it goes, which must be open; false when the
// device failed.
bool WriteMusicXml(const ScoreMelody& melody, QIODevice& device, const Meter& meter = Meter());
// The same in memory.
QByteArray MelodyToMusicXml(const ScoreMelody& melody, const Meter& meter = Meter());
