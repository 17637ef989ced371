// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every fuzz target shares: Qt on its offscreen platform with the
// program's resources, a folder in memory for the files it reads and
// writes, a user who answers every question, and checks that abort, so
// that libFuzzer keeps the input that failed one.
#include "framework/ui_responder.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>

class CVoldrimDoc;

// Aborts with the target's name and what failed when the check does not hold.
void FuzzCheck(bool holds, const char* what);

// Answers every message box as a user would who wants to go on, and
// cancels every dialog.
class CAnsweringResponder : public CUiResponder {
public:
    int OnMessageBox(const CString&, UINT type) override;
    int OnDialog(CDialog&) override;
};

// Starts Qt for the target and keeps it, and the answering user, for the
// life of the process.
void StartFuzzTarget(const char* name);

// A folder for the target's files, removed when the process ends. It is
// in memory where the machine offers it, since saving syncs each file to
// disk and would set the pace.
QTemporaryDir& FuzzFolder();

// A melody of more records than this is only loaded, not played, saved
// or exported: writing 100,000 records out under the sanitizers takes
// seconds, which would leave a minute's run a handful of inputs. Long
// melodies are written out by the tests and the export benchmark.
constexpr std::size_t kMostRecordsWrittenOut = 2000;

// Opens the bytes as File Open opens a melody file. A file that does not
// load must leave the document empty.
bool OpenMelodyBytes(CVoldrimDoc& doc, const QByteArray& bytes);
