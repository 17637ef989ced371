// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "res/program_version.h"

namespace {
const QString kHelp = QStringLiteral("--help");
const QString kVersion = QStringLiteral("--version");
const QString kExport = QStringLiteral("--export");
const QString kOpen = QStringLiteral("--open");
const QString kMeter = QStringLiteral("--meter");
// The two files --export takes.
constexpr qsizetype kExportFiles = 2;
// --open and the file it takes.
constexpr qsizetype kOpenArguments = 2;

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
        "  --help                      show this help and exit\n"
        "  --version                   show the version and exit\n"
        "\n"
        "Exit status: 2 when the command line is wrong. With --export: 0 when the\n"
        "file is written, 1 when the melody cannot be read or the file cannot be\n"
        "written.\n");
}

CString CommandLineVersion()
{
    return QStringLiteral("Voldrim ") + QLatin1String(ProgramVersion()) + QLatin1Char('\n');
}
