// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A melody as the score writers take it, and a folder for the files they
// write of it: the writers alone, with no document around them.
#include "export/midi_file_writer.h"
#include "export/musicxml_writer.h"
#include "model/note_value.h"
#include "model/pitch.h"
#include "support/file_bytes.h"
#include "support/score_file_fixture.h"

#include <QFile>

#include <functional>
#include <utility>
#include <vector>

// A rest as the writers take it: as long as playback gives it.
const std::pair<int, int> kRest = {PlaybackTicks(kRestPitch, NoteRest), kRestPitch};

class ScoreWriterFixture : public ScoreFileFixture {
protected:
    // A new document's tempo, a beat of 600 ms, 100 a minute, and its MIDI
    // device's channel and instrument.
    ScoreWriterFixture()
    {
        m_melody.beatMs = 600;
        m_melody.beatsPerMinute = 100;
        m_melody.channel = 0;
        m_melody.program = 5;
    }
    // Notes of (playback ticks, pitch); kRestPitch for a rest.
    void SetMelody(Key key, const std::vector<std::pair<int, int>>& notes)
    {
        m_melody.key = key;
        m_melody.notes.clear();
        for (const auto& [ticks, pitch] : notes)
            m_melody.notes.push_back({pitch, ticks});
    }
    // The melody written to a file of the name; empty when that failed.
    QString MusicXmlFileIn(const Meter& meter, const QString& name)
    {
        return Written(name, [&](QFile& file) { return WriteMusicXml(m_melody, file, meter); });
    }
    QString MidiFileIn(const Meter& meter, const QString& name)
    {
        return Written(name, [&](QFile& file) { return WriteMidiFile(m_melody, file, meter); });
    }
    QString MusicXmlFile(const QString& name) override { return MusicXmlFileIn(Meter(), name); }

    ScoreMelody m_melody;

private:
    QString Written(const QString& name, const std::function<bool(QFile&)>& write)
    {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        const bool written = file.open(QIODevice::WriteOnly) && write(file);
        EXPECT_TRUE(written) << path.toStdString();
        return written ? path : QString();
    }
};
