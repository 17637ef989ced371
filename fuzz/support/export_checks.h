// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exported files read back by readers of their own, which know the file
// formats and the melody but not the writers: what a notation program or a
// sequencer would find wrong, said in one line.
#include "doc/note_series.h"
#include "framework/object.h"

#include <QByteArray>

#include <cstdint>
#include <string>

// What the staff shows and plays of a melody: the records whose pitch a
// staff row writes, and its rests.
struct ShownMelody {
    std::size_t notes = 0;
    std::size_t rests = 0;
    // Playback ticks of them all, eighth notes each.
    std::uint64_t ticks = 0;
};

ShownMelody ShownMelodyOf(const CObjectList<CNoteSeries>& melody);

// Each gives what is wrong with the file, or an empty text when nothing is.
// MusicXML: well-formed, one <note> per note and rest shown (an empty
// melody: one rest filling its measure), lasting what playback gives them.
std::string MusicXmlFault(const QByteArray& xml, const ShownMelody& melody);
// A Standard MIDI File of one track: chunks whose lengths hold, delta
// times of at most four bytes, notes that start and end in pairs, one per
// note shown, an end of track last, at the time the melody ends.
std::string MidiFileFault(const QByteArray& midi, const ShownMelody& melody);
