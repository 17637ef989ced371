// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A document with a melody of the tests' choosing, its MIDI output a
// recorder, and a folder for the files exported from it: the path from
// the document to the file.
#include "doc/voldrim_doc.h"
#include "export/melody_export.h"
#include "support/file_bytes.h"
#include "support/recording_midi_output.h"
#include "support/score_file_fixture.h"

#include <utility>
#include <vector>

class ExportFixture : public ScoreFileFixture {
protected:
    // Records of (value, pitch), as melody files hold them.
    void SetMelody(Key key, std::vector<std::pair<int, int>> records)
    {
        m_doc.m_nKey = key;
        m_doc.m_melody.clear();
        for (const auto& [value, pitch] : records)
            m_doc.m_melody.push_back(std::make_unique<CNoteSeries>(NoteValue(value), pitch));
    }
    // The melody exported to a file of the name; empty when that failed.
    QString Export(const QString& name, ExportFormat format)
    {
        const QString path = m_folder.filePath(name);
        const CString failure = ExportMelody(m_doc, path, format);
        EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
        return failure.isEmpty() ? path : QString();
    }
    QString MusicXmlFile(const QString& name) override { return Export(name, ExportFormat::MusicXml); }

    CRecordingMidiOutput m_midi;
    CVoldrimDoc m_doc;
};
