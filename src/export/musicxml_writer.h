// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The melody as a MusicXML 4.0 score for notation programs: one part,
// "Violoncello", in the bass clef, with the title and composer, the key
// signature of the melody's key and its tempo as a metronome mark.
#include <QByteArray>

class CVoldrimDoc;

QByteArray MelodyToMusicXml(const CVoldrimDoc& doc);
