// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Voldrim: learn to read the bass clef on the cello.
#include "app/command_line.h"
#include "app/quit_on_signals.h"
#include "app/voldrim_app.h"
#include "export/command_line_export.h"
#include "framework/font_configuration.h"
#include "framework/native_path.h"
#include "listen/recording_listening.h"
#include "quiz/practice_csv.h"

#include <QApplication>
#include <QTextStream>

#include <csignal>

CVoldrimApp theApp;

namespace {

// The arguments after the program's name. A file's name keeps its bytes,
// UTF-8 or not, so that the program reaches the very file the shell named.
QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << AfxDecodePath(QByteArray(argv[i]));
    return arguments;
}

// Qt's own remarks about the machine it runs on would crowd out the one
// line that says whether the export worked; only its errors are said.
void SayOnlyErrors(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qt_message_output(type, context, message);
}

// The export shows nothing, so it needs no display.
int ExportWithoutDisplay(int argc, char** argv, const CommandLineRequest& request)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(SayOnlyErrors);
    QApplication application(argc, argv);
    QTextStream errors(stderr);
    return ExportMelodyFile(request.melodyPath, request.outputPath, request.meter, errors);
}

// The history is read from the data folder the program keeps it in; no
// window, sound or display.
int WriteCsvWithoutDisplay(int argc, char** argv, const CommandLineRequest& request)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(SayOnlyErrors);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Voldrim"));
    QTextStream errors(stderr);
    return WritePracticeCsvFile(request.outputPath, errors) ? ExportDone : ExportFailed;
}

int RunProgram(int argc, char** argv)
{
    const CFontConfigurationReader fontConfiguration;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Voldrim"));
    // Ties the windows to the installed menu entry, and so to its icon.
    QApplication::setDesktopFileName(QStringLiteral(VOLDRIM_APP_ID));
    // Before anything opens a sound output: from here on a signal to end
    // closes the program as the user would.
    CQuitOnSignals quitOnSignals;
    // Without the options Qt took for itself, such as -style.
    theApp.SetArguments(ArgumentsOf(argc, argv));
    const bool started = theApp.InitInstance();
    if (quitOnSignals.Requested()) {
        CQuitOnSignals::DeleteMainWindowNow();
        return 0;
    }
    if (!started)
        return 1;
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    // A file grown past the size limit the shell set is a failed write,
    // which says so and leaves the melody and any earlier file intact, not
    // the end of the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const CommandLineRequest request = ReadCommandLine(ArgumentsOf(argc, argv));
    switch (request.action) {
    case CommandLineRequest::ShowHelp:
        QTextStream(stdout) << CommandLineHelp();
        return ExportDone;
    case CommandLineRequest::ShowVersion:
        QTextStream(stdout) << CommandLineVersion();
        return ExportDone;
    case CommandLineRequest::Misused:
        QTextStream(stderr) << "voldrim: " << request.misuse << Qt::endl;
        return ExportMisused;
    case CommandLineRequest::ExportMelody:
        return ExportWithoutDisplay(argc, argv, request);
    case CommandLineRequest::ListenToRecording: {
        // No window, no sound: the notes heard, or one line why not.
        QTextStream out(stdout), errors(stderr);
        return ListenToRecording(request.melodyPath, out, errors);
    }
    case CommandLineRequest::WritePracticeCsv:
        return WriteCsvWithoutDisplay(argc, argv, request);
    case CommandLineRequest::RunProgram:
    case CommandLineRequest::OpenMelody:
        break;
    }
    return RunProgram(argc, argv);
}
