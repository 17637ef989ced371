// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Standard MIDI Files of format 0 and 1. Every function throws
// CImportError for a file it cannot read.
#include "import/score_line.h"

#include <QByteArray>

// The tracks and channels that hold notes, in order: "Channel 2" in a file
// of one track, the track's name (or "Track 3") in one of several, with
// its channel where the track plays on more than one.
PartNames MidiFileParts(const QByteArray& file);

// The line of one of them: of notes that sound together the top one. A
// note that starts while the one before still sounds ends it, unless it
// is lower and the one before sounds on for more than a sixteenth: then
// it lies under the line and is left out.
ScoreLine ReadMidiFileLine(const QByteArray& file, std::size_t part, std::size_t mostNotes);
