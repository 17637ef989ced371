// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MusicXML scores, partwise or timewise, read as a stream: no tree of the
// document is built, so the memory a score costs is its line of notes.
// Every function throws CImportError for a file it cannot read.
#include "import/score_line.h"

#include <QByteArray>

// The names of the score's parts, in order ("Part 2" for one without).
PartNames MusicXmlParts(const QByteArray& score);

// The line of the part: its first voice, and of a chord its top note,
// with ties joined; at most mostNotes notes and rests.
ScoreLine ReadMusicXmlLine(const QByteArray& score, std::size_t part, std::size_t mostNotes);
