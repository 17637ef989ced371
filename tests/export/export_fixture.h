#pragma once
// A document with a melody of the tests' choosing, its MIDI output a
// recorder, and a folder for the files exported from it.
#include "doc/voldrim_doc.h"
#include "export/melody_export.h"
#include "support/recording_midi_output.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

class ExportFixture : public ::testing::Test {
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

    CRecordingMidiOutput m_midi;
    CVoldrimDoc m_doc;
    QTemporaryDir m_folder;
};
