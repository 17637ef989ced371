// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command line asks of the program. Only --help, --version,
// --open, --export, --listen and --practice-csv are its own; everything else keeps the meaning it
// always had (the splash switch; a file named without --open is not opened).
#include "export/meter.h"
#include "framework/types.h"

#include <QStringList>

struct CommandLineRequest {
    enum Action {
        RunProgram, OpenMelody, ShowHelp, ShowVersion, ExportMelody, ListenToRecording, WritePracticeCsv, Misused
    };
    Action action = RunProgram;
    // For OpenMelody: the melody file to open. For ExportMelody: the melody
    // file (or a MusicXML or MIDI file to import), the file to write, and
    // the meter to write it in. For ListenToRecording: the recording, in
    // melodyPath. For WritePracticeCsv: the file to write, in outputPath.
    CString melodyPath;
    CString outputPath;
    Meter meter;
    // For Misused: what is wrong, in one line.
    CString misuse;
};

// The arguments after the program's name.
CommandLineRequest ReadCommandLine(const QStringList& arguments);

// The text of --help and of --version.
CString CommandLineHelp();
CString CommandLineVersion();
