// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "framework/program_version.h"

namespace {
const QString kHelp = QStringLiteral("--help");
const QString kVersion = QStringLiteral("--version");
const QString kExport = QStringLiteral("--export");
const QString kOpen = QStringLiteral("--open");
const QString kListen = QStringLiteral("--listen");
const QString kPracticeCsv = QStringLiteral("--practice-csv");
const QString kMeter = QStringLiteral("--meter");
// The two files --export takes.
constexpr qsizetype kExportFiles = 2;
// --open and the file it takes; so --listen and --practice-csv.
constexpr qsizetype kOpenArguments = 2;
constexpr qsizetype kListenArguments = 2;
constexpr qsizetype kPracticeCsvArguments = 2;

// --open alone starts with an empty melody: the menu entry starts the
// program so when it is given no file.
CommandLineRequest ReadOpen(const QStringList& arguments, qsizetype at)
{
    CommandLineRequest request;
    if (arguments.size() > kOpenArguments || at != 0) {
        request.action = CommandLineRequest::Misused;
        request.misuse = QStringLiteral("--open takes one melody file, and nothing else (see voldrim --help)");
    } else if (arguments.size() == kOpenArguments) {
        request.action = CommandLineRequest::OpenMelody;
        request.melodyPath = arguments[1];
    }
    return request;
}

// --export, its two files, and --meter with its time signature before,
// between or after them.
CommandLineRequest ReadExport(const QStringList& arguments, qsizetype at)
{
    CommandLineRequest request;
    request.action = CommandLineRequest::Misused;
    QStringList files = arguments.mid(1);
    if (const qsizetype meterAt = files.indexOf(kMeter); meterAt >= 0) {
        const std::optional<Meter> meter = meterAt + 1 < files.size() ? MeterOfText(files[meterAt + 1]) : std::nullopt;
        if (!meter || meter->IsNone()) {
            request.misuse = QStringLiteral("--meter takes 2/4, 3/4, 4/4 or 6/8 (see voldrim --help)");
            return request;
        }
        request.meter = *meter;
        files.remove(meterAt, 2);
    }
    if (files.size() != kExportFiles || at != 0) {
        request.misuse = QStringLiteral("--export takes a melody file and the file to write, and nothing else "
                                        "but --meter (see voldrim --help)");
        return request;
    }
    request.action = CommandLineRequest::ExportMelody;
    request.melodyPath = files[0];
    request.outputPath = files[1];
    return request;
}
} // namespace

CommandLineRequest ReadCommandLine(const QStringList& arguments)
{
    CommandLineRequest request;
    if (arguments.contains(kHelp)) {
        request.action = CommandLineRequest::ShowHelp;
    } else if (arguments.contains(kVersion)) {
        request.action = CommandLineRequest::ShowVersion;
    } else if (const qsizetype at = arguments.indexOf(kExport); at >= 0) {
        request = ReadExport(arguments, at);
    } else if (const qsizetype listenAt = arguments.indexOf(kListen); listenAt >= 0) {
        if (arguments.size() != kListenArguments || listenAt != 0) {
            request.action = CommandLineRequest::Misused;
            request.misuse = QStringLiteral("--listen takes one sound file, and nothing else (see voldrim --help)");
        } else {
            request.action = CommandLineRequest::ListenToRecording;
            request.melodyPath = arguments[1];
        }
    } else if (const qsizetype csvAt = arguments.indexOf(kPracticeCsv); csvAt >= 0) {
        if (arguments.size() != kPracticeCsvArguments || csvAt != 0) {
            request.action = CommandLineRequest::Misused;
            request.misuse = QStringLiteral("--practice-csv takes the file to write, and nothing else "
                                            "(see voldrim --help)");
        } else {
            request.action = CommandLineRequest::WritePracticeCsv;
            request.outputPath = arguments[1];
        }
    } else if (const qsizetype openAt = arguments.indexOf(kOpen); openAt >= 0) {
        request = ReadOpen(arguments, openAt);
    }
    return request;
}

CString CommandLineHelp()
{
    return QStringLiteral(
        "Usage: voldrim\n"
        "       voldrim --open MELODY.vdm\n"
        "       voldrim --export MELODY OUTPUT [--meter METER]\n"
        "       voldrim --listen RECORDING.wav\n"
        "       voldrim --practice-csv FILE.csv\n"
        "\n"
        "Voldrim helps cello students learn to read music in the bass clef.\n"
        "Without options it opens its window with a new, empty melody.\n"
        "\n"
        "  --open MELODY.vdm           open the window with this melody, as File, Open\n"
        "                              Melody does; when it cannot be read, Voldrim\n"
        "                              says so and starts with an empty melody\n"
        "  --export MELODY OUTPUT      write the melody to OUTPUT without opening a\n"
        "                              window. MELODY is a melody file (.vdm), or a\n"
        "                              MusicXML (.musicxml, .xml, .mxl) or MIDI file\n"
        "                              (.mid) whose first part is imported, as File,\n"
        "                              Import Melody does; what the import changed is\n"
        "                              said on standard error. OUTPUT's extension\n"
        "                              chooses the format: .musicxml (MusicXML, for\n"
        "                              notation programs), .mid (Standard MIDI File),\n"
        "                              .pdf (the printed pages) or .vdm (a melody file)\n"
        "  --meter METER               with --export to .musicxml or .mid: write the\n"
        "                              melody in bars of METER, 2/4, 3/4, 4/4 or 6/8\n"
        "                              (without it, it has no meter)\n"
        "  --listen RECORDING.wav      hear a recording of a cello as Listen to My Cello\n"
        "                              hears the microphone, and print one line for\n"
        "                              each note heard: its onset and the moment it\n"
        "                              was heard (seconds into the recording), its\n"
        "                              name, MIDI number and cents from true, e.g.\n"
        "                              \"1.234 1.301 A2 45 +12\"\n"
        "  --practice-csv FILE.csv     write the practice history (every Show Me answer\n"
        "                              judged) to FILE.csv, one answer a line after a\n"
        "                              header line, without opening a window\n"
        "  --help                      show this help and exit\n"
        "  --version                   show the version and exit\n"
        "\n"
        "Exit status: 2 when the command line is wrong. With --export: 0 when the\n"
        "file is written, 1 when the melody cannot be read or the file cannot be\n"
        "written. With --listen: 0 when the recording was heard, 1 when it cannot\n"
        "be read. With --practice-csv: 0 when the file is written, 1 when the\n"
        "history cannot be read or the file cannot be written.\n");
}

CString CommandLineVersion()
{
    return QStringLiteral("Voldrim ") + QLatin1String(ProgramVersion()) + QLatin1Char('\n');
}
