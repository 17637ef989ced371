// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document's melody as the score writers take it.
#include "doc/note_series.h"
#include "export/score_melody.h"
#include "framework/object.h"

#include <vector>

class CVoldrimDoc;

// The records of the melody in order, each lasting what playback gives it.
// A record whose pitch no staff row shows is left out: the staff gives it
// no column, so it is neither seen nor played.
std::vector<ExportNote> ExportNotes(const CObjectList<CNoteSeries>& melody);

// The melody with its words, key and tempo, sounding on the document's
// MIDI device, or on a new device's channel and instrument without one.
ScoreMelody ScoreMelodyOf(const CVoldrimDoc& doc);
