// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A document with a melody of the tests' choosing, its MIDI output a
// recorder, and a folder for the files exported from it.
#include "doc/voldrim_doc.h"
#include "export/melody_export.h"
#include "support/external_tool.h"
#include "support/file_bytes.h"
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
    // The melody exported as MusicXML and converted by an independent
    // reader, run as "reader options... -o name.extension score"; the
    // bytes it wrote. The Debian package that brings the reader is named
    // when it fails.
    QByteArray ConvertedScore(const QString& name, const QString& extension, const QString& reader,
                              const QStringList& options, const char* package,
                              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                              int timeoutMs = kToolTimeoutMs)
    {
        const QString score = Export(name + ".musicxml", ExportFormat::MusicXml);
        const QString converted = m_folder.filePath(name + extension);
        const QStringList arguments = options + QStringList{QStringLiteral("-o"), converted, score};
        const ToolRun run = RunExternalTool(reader, arguments, environment, timeoutMs);
        EXPECT_TRUE(run.Succeeded()) << run.err.toStdString() << " (scripts/install-deps installs " << package << ")";
        return ReadFileBytes(converted);
    }

    CRecordingMidiOutput m_midi;
    CVoldrimDoc m_doc;
    QTemporaryDir m_folder;
};
