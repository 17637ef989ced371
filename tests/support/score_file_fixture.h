// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A melody written as a score file into a folder of its own, and read back
// by independent readers: the score converted by another program, or
// imported by MuseScore 3 (Debian's musescore3); a MIDI file read by mido
// (Debian's python3-mido).
#include "support/external_tool.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

// A note as MuseScore keeps it: its pitch, its spelling as a place on the
// line of fifths (C 14, G 15, F 13, F# 20, Bb 12, ...), and its length in
// eighth notes. A rest has pitch and spelling 0.
using MuseScoreNote = std::tuple<int, int, int>;

struct MuseScoreScore {
    std::vector<MuseScoreNote> notes;
    // The sign before each note or rest as MuseScore shows it: "Sharp",
    // "Flat", "Natural", or empty for none.
    std::vector<std::string> signs;
    std::optional<int> keySignature; // sharps above 0, flats below
    double beatsPerSecond = 0;
    QString title, composer;
};

// Reads MuseScore's own file: chords and rests in order, the key signature,
// the tempo and the title and composer.
MuseScoreScore ReadMuseScoreFile(const QByteArray& bytes);

// Debian's python, which has python3-mido.
inline const QString kPython = QStringLiteral("/usr/bin/python3");

// The MIDI file as mido reads it, line by line. One line per note: its
// channel, pitch, start and length in ticks, and the velocities it starts
// and ends with; one per other message: its time, kind and values.
std::string ReadMidi(const QString& path);

class ScoreFileFixture : public ::testing::Test {
protected:
    // The melody written as MusicXML to a file of the name in the folder;
    // empty when that failed.
    virtual QString MusicXmlFile(const QString& name) = 0;

    // The melody written as MusicXML and converted by an independent
    // reader, run as "reader options... -o name.extension score"; the
    // bytes it wrote. The Debian package that brings the reader is named
    // when it fails.
    QByteArray ConvertedScore(const QString& name, const QString& extension, const QString& reader,
                              const QStringList& options, const char* package,
                              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                              int timeoutMs = kToolTimeoutMs);
    // The melody's MusicXML score as MuseScore imported it.
    MuseScoreScore ImportedByMuseScore(const QString& name);

    QTemporaryDir m_folder;

private:
    // A home of its own, so that the user's MuseScore settings stay untouched.
    QTemporaryDir m_home;
};
