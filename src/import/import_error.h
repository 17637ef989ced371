// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a file cannot be imported, said in one sentence about the file.
#include "framework/types.h"

#include <exception>

enum class ImportProblem {
    NotFound,
    AccessDenied,
    TooLarge,       // past the size a file may have, or unpack to
    NotMusicXml,    // not XML, or XML that is no score
    NoScoreInZip,   // a compressed file without a MusicXML score
    NoUnzipping,    // a compressed file, and libzip could not be loaded
    NotMidi,
    UnsupportedMidi, // format 2, or time in frames of a second
    Damaged,        // ends early, or holds what its format does not allow
    XmlFeatures,    // entities, or elements nested absurdly deep
    NoNotes,
    TooManyNotes,   // more than a melody may hold
    TooManyParts,   // more than kMostImportParts to choose from
};

class CImportError : public std::exception {
public:
    explicit CImportError(ImportProblem problem) : m_problem(problem) {}
    ImportProblem Problem() const { return m_problem; }
    const char* what() const noexcept override { return "import failed"; }
    // The sentence the user reads, naming the file.
    CString Message(const CString& path) const;

private:
    ImportProblem m_problem;
};

// The most bytes a file, or the score inside a compressed one, may have:
// a melody of the most notes a melody holds is a few megabytes of MusicXML.
constexpr qint64 kLargestImportBytes = 64 * 1024 * 1024;
// The most parts, or MIDI tracks and channels with notes, a file may offer:
// a full orchestra has a few dozen, and the list to choose from stays short
// enough to read.
constexpr std::size_t kMostImportParts = 1000;
// The most track chunks a MIDI file may have: its header counts them in
// 16 bits.
constexpr std::size_t kMostMidiTracks = 0xFFFF;
