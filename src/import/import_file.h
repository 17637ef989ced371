// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file to import: a MusicXML score (.musicxml, .xml, or compressed
// .mxl) or a Standard MIDI File (.mid, .midi), told apart by its first
// bytes. Every function throws CImportError for a file it cannot read.
#include "framework/types.h"
#include "import/score_line.h"

#include <QByteArray>

class CImportFile {
public:
    // Reads the file, at most kLargestImportBytes of it.
    static CImportFile Read(const CString& path);
    static CImportFile FromBytes(const QByteArray& bytes);

    PartNames Parts() const;
    ScoreLine Line(std::size_t part, std::size_t mostNotes) const;

private:
    CImportFile(bool midi, QByteArray bytes) : m_bMidi(midi), m_bytes(std::move(bytes)) {}
    bool m_bMidi;
    QByteArray m_bytes; // the score unpacked, or the MIDI file
};

// Whether the extension is one Import reads, in any letter case.
bool IsImportFile(const CString& path);

// The import dialog's filters: all it reads first, then MusicXML, then MIDI.
CString ImportFilters();
