// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The export of a melody from the command line: no window, no sound,
// no question; what goes wrong is said in one line.
#include "export/meter.h"
#include "framework/types.h"

class QTextStream;

// Exit statuses of the command line.
enum ExportStatus : int {
    ExportDone = 0,
    ExportFailed = 1,   // the melody could not be read or the file not written
    ExportMisused = 2,  // the command line asks for something unknown
};

// Reads the melody file, or imports the first part of a MusicXML or MIDI
// file (its summary goes to errors), and writes it to the output file in
// the format of its extension: a melody file (.vdm) or an export, which
// MusicXML and MIDI files write in the meter given. On failure writes one
// line to errors, "voldrim: " and the program's own message with the file
// it is about.
ExportStatus ExportMelodyFile(const CString& melodyPath, const CString& outputPath, const Meter& meter,
                              QTextStream& errors);
