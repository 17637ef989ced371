#include "app/command_line.h"

#include "res/program_version.h"

namespace {
const QString kHelp = QStringLiteral("--help");
const QString kVersion = QStringLiteral("--version");
const QString kExport = QStringLiteral("--export");
// --export and the two files it takes.
constexpr qsizetype kExportArguments = 3;
} // namespace

CommandLineRequest ReadCommandLine(const QStringList& arguments)
{
    CommandLineRequest request;
    if (arguments.contains(kHelp)) {
        request.action = CommandLineRequest::ShowHelp;
    } else if (arguments.contains(kVersion)) {
        request.action = CommandLineRequest::ShowVersion;
    } else if (const qsizetype at = arguments.indexOf(kExport); at >= 0) {
        if (arguments.size() != kExportArguments || at != 0) {
            request.action = CommandLineRequest::Misused;
            request.misuse = QStringLiteral("--export takes a melody file and the file to write, and nothing else "
                                            "(see voldrim --help)");
        } else {
            request.action = CommandLineRequest::ExportMelody;
            request.melodyPath = arguments[1];
            request.outputPath = arguments[2];
        }
    }
    return request;
}

CString CommandLineHelp()
{
    return QStringLiteral(
        "Usage: voldrim\n"
        "       voldrim --export MELODY.vdm OUTPUT\n"
        "\n"
        "Voldrim helps cello students learn to read music in the bass clef.\n"
        "Without options it opens its window with a new, empty melody.\n"
        "\n"
        "  --export MELODY.vdm OUTPUT  write the melody to OUTPUT without opening a\n"
        "                              window; OUTPUT's extension chooses the format:\n"
        "                              .musicxml (MusicXML, for notation programs),\n"
        "                              .mid (Standard MIDI File) or .pdf (the printed\n"
        "                              pages)\n"
        "  --help                      show this help and exit\n"
        "  --version                   show the version and exit\n"
        "\n"
        "Exit status: 0 when the file is written, 1 when the melody cannot be read\n"
        "or the file cannot be written, 2 when the command line is wrong.\n");
}

CString CommandLineVersion()
{
    return QStringLiteral("Voldrim ") + QLatin1String(ProgramVersion()) + QLatin1Char('\n');
}
