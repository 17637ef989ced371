// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program started from a shell: --export writes a melody file as
// MusicXML, MIDI or PDF with no display at all, says what went wrong in
// one line, and --help and --version answer as command-line users expect;
// --open names the melody to start with; --listen hears a recording.
#include "app/command_line.h"
#include "doc/voldrim_doc.h"
#include "export/command_line_export.h"
#include "framework/program_version.h"
#include "listen/resampler.h"
#include "support/external_tool.h"
#include "support/file_bytes.h"
#include "support/pdf_print_dialogs.h"
#include "support/program_cello.h"
#include "support/recording_midi_output.h"
#include "support/scratch_folder.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>

namespace {

// A C quarter note and a rest in C major, tempo 600.
const QByteArray kMelody = QByteArray::fromHex("01000000 58020000 00 00 0200 ffff 0000 0b00"
                                               "434e6f7465536572696573 30000000 02000000"
                                               "0180 e7030000 e7030000");

// No system print settings give a PDF margins; the program gives it these,
// and a stroke's faint edge may come half a millimetre closer.
constexpr double kLeastMarginMm = 14;
constexpr double kDefaultMarginMm = 15;
constexpr double kMarginSlackMm = 1;

TEST(CommandLineReading, EachArgumentListAsksForOneThing)
{
    using Request = CommandLineRequest;
    const struct {
        QStringList arguments;
        Request::Action action;
        QString melody;
    } cases[] = {
        {{}, Request::RunProgram, ""},
        // A file named without --open is not opened.
        {{"tune.vdm"}, Request::RunProgram, ""},
        {{"/Embedding"}, Request::RunProgram, ""},
        {{"--open", "tune.vdm"}, Request::OpenMelody, "tune.vdm"},
        // As the menu entry starts the program without a file.
        {{"--open"}, Request::RunProgram, ""},
        {{"--open", "one.vdm", "two.vdm"}, Request::Misused, ""},
        {{"/Embedding", "--open", "tune.vdm"}, Request::Misused, ""},
        {{"tune.vdm", "--open"}, Request::Misused, ""},
        {{"--open", "tune.vdm", "--help"}, Request::ShowHelp, ""},
        {{"--export", "tune.vdm", "tune.mid"}, Request::ExportMelody, "tune.vdm"},
        {{"--export", "--meter", "6/8", "piece.musicxml", "tune.mid"}, Request::ExportMelody, "piece.musicxml"},
        {{"--export", "tune.vdm", "tune.mid", "--meter"}, Request::Misused, ""},
        {{"--open", "--export", "tune.vdm"}, Request::Misused, ""},
        {{"--listen", "take.wav"}, Request::ListenToRecording, "take.wav"},
        {{"--listen"}, Request::Misused, ""},
        {{"--listen", "take.wav", "more.wav"}, Request::Misused, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Request request = ReadCommandLine(c.arguments);
        EXPECT_EQ(request.action, c.action);
        EXPECT_EQ(request.melodyPath, c.melody);
        EXPECT_EQ(request.misuse.isEmpty(), c.action != Request::Misused);
    }
}

class ShellCommands : public ::testing::Test {
protected:
    // The program run with no display of any kind to reach.
    static ToolRun Voldrim(const QStringList& arguments)
    {
        return RunExternalTool(QStringLiteral(VOLDRIM_PROGRAM), arguments, WithoutDisplay());
    }
    // The same with arguments of any bytes, as a shell passes them.
    static ToolRun VoldrimOnBytes(const QList<QByteArray>& arguments)
    {
        return RunExternalToolOnBytes(QStringLiteral(VOLDRIM_PROGRAM), arguments, WithoutDisplay());
    }
    static QProcessEnvironment WithoutDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(display));
        return environment;
    }

    // A melody of the title and number of notes, saved by the program itself.
    QString Saved(const CString& title, const QString& name, int notes = 1)
    {
        const QString path = m_folder.filePath(name);
        CRecordingMidiOutput midi;
        CVoldrimDoc doc;
        doc.m_strMelodyTitle = title;
        for (int i = 0; i < notes; ++i)
            doc.m_melody.push_back(std::make_unique<CNoteSeries>(NoteHalf, 48));
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return path;
    }

    CScratchFolder m_folder;
};

TEST_F(ShellCommands, ExportWritesEachFormatWithoutADisplay)
{
    const QString melody = m_folder.Write(kMelody, "tune.vdm");
    const struct {
        const char* name;
        QByteArray start;
    } cases[] = {{"tune.musicxml", "<?xml"}, {"tune.MID", "MThd"}, {"tune.pdf", "%PDF"}};
    for (const auto& c : cases) {
        const QString output = m_folder.filePath(c.name);
        const ToolRun run = Voldrim({"--export", melody, output});
        EXPECT_TRUE(run.Succeeded()) << c.name << ": " << run.err.toStdString();
        EXPECT_EQ(run.err, QByteArray()) << c.name;
        EXPECT_TRUE(ReadFileBytes(output).startsWith(c.start)) << c.name;
    }
    EXPECT_EQ(PdfPageCount(m_folder.filePath("tune.pdf")), 1);
}

TEST_F(ShellCommands, ThePdfIsTitledAndKeepsItsInkClearOfThePaperEdges)
{
    const QString melody = Saved(QString::fromUtf8("Élégie"), "elegie.vdm");
    const QString pdf = m_folder.filePath("elegie.pdf");
    const ToolRun run = Voldrim({"--export", melody, pdf});
    ASSERT_TRUE(run.Succeeded()) << run.err.toStdString();
    EXPECT_EQ(PdfInfo(pdf, "Title").toStdString(), "Élégie");
    EXPECT_EQ(PdfInfo(pdf, "Creator"), "Voldrim");
    // The staves reach from the left margin to the right one.
    EXPECT_NEAR(PdfInkClearanceMm(pdf, 1), kDefaultMarginMm, kMarginSlackMm);
    EXPECT_GE(PdfInkClearanceMm(pdf, 1), kLeastMarginMm);
}

TEST_F(ShellCommands, AFailureIsOneLineAndAnExitStatus)
{
    const QString melody = m_folder.Write(kMelody, "tune.vdm");
    const QString damaged = m_folder.Write(kMelody.left(20), "damaged.vdm");
    const QString missing = m_folder.filePath("missing.vdm");
    const QString output = m_folder.filePath("tune.mid");
    const struct {
        QStringList arguments;
        int exitCode;
        QString line;
    } cases[] = {
        {{"--export", missing, output}, 1, missing + " was not found."},
        {{"--export", damaged, output}, 1, damaged + ": Unexpected file format."},
        // A folder that cannot exist: its parent is a file.
        {{"--export", melody, melody + "/tune.mid"}, 1, melody + "/tune.mid: Failed to save document."},
        {{"--export", melody, m_folder.filePath("tune.txt")}, 2,
         m_folder.filePath("tune.txt") + ": Unknown export format; name a .musicxml, .mid, .pdf or .vdm file."},
        {{"--export", melody}, 2,
         "--export takes a melody file and the file to write, and nothing else but --meter (see voldrim --help)"},
        {{"--export", melody, output, "--meter", "5/4"}, 2, "--meter takes 2/4, 3/4, 4/4 or 6/8 (see voldrim --help)"},
        {{"--export", melody, m_folder.filePath("tune.pdf"), "--meter", "3/4"}, 2,
         m_folder.filePath("tune.pdf") + ": --meter is for .musicxml and .mid files."},
        {{"--open", melody, melody}, 2, "--open takes one melody file, and nothing else (see voldrim --help)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ToolRun run = Voldrim(c.arguments);
        EXPECT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(QString::fromLocal8Bit(run.err), "voldrim: " + c.line + "\n");
        EXPECT_EQ(run.out, QByteArray());
    }
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList({"damaged.vdm", "tune.vdm"}));
}

// A 16-bit PCM wave file of the mono samples, at the rate, on that many
// channels (each the same).
QByteArray WaveFile(const std::vector<float>& samples, int rate, int channels)
{
    QByteArray data;
    for (float sample : samples) {
        const auto value = qint16(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767));
        for (int c = 0; c < channels; ++c)
            data.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
    }
    const auto le32 = [](quint32 v) {
        return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF) + char((v >> 16) & 0xFF) + char(v >> 24);
    };
    const auto le16 = [](quint16 v) { return QByteArray(1, char(v & 0xFF)) + char(v >> 8); };
    const int blockAlign = 2 * channels;
    return "RIFF" + le32(quint32(36 + data.size())) + "WAVEfmt " + le32(16) + le16(1) + le16(quint16(channels))
        + le32(quint32(rate)) + le32(quint32(rate * blockAlign)) + le16(quint16(blockAlign)) + le16(16) + "data"
        + le32(quint32(data.size())) + data;
}

TEST_F(ShellCommands, ListenPrintsEachNoteOfARecordingAtAnyRateAndOnAnyChannels)
{
    // A2 then D3, bowed 0.5 s and 1.7 s into the recording.
    const std::vector<float> notes = RenderBowedNotes({45, 50});
    const struct {
        const char* name;
        int rate;
        int channels;
    } cases[] = {{"mono48k.wav", 48000, 1}, {"stereo44k.wav", 44100, 2}, {"mono22k.wav", 22050, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = m_folder.Write(WaveFile(Resampled(notes, 48000, c.rate), c.rate, c.channels), c.name);
        const ToolRun run = Voldrim({"--listen", file});
        ASSERT_TRUE(run.Succeeded()) << run.err.toStdString();
        EXPECT_EQ(run.err, QByteArray());
        const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 2) << run.out.toStdString();
        const struct {
            double onset;
            const char* name;
            const char* midi;
        } expected[] = {{0.5, "A2", "45"}, {1.7, "D3", "50"}};
        for (int i = 0; i < 2; ++i) {
            const QStringList fields = lines[i].split(' ');
            ASSERT_EQ(fields.size(), 5) << lines[i].toStdString();
            const double onset = fields[0].toDouble(), reported = fields[1].toDouble();
            EXPECT_NEAR(onset, expected[i].onset, 0.1) << lines[i].toStdString();
            EXPECT_GE(reported, onset);
            EXPECT_LE(reported - expected[i].onset, 0.2);
            EXPECT_EQ(fields[2], expected[i].name);
            EXPECT_EQ(fields[3], expected[i].midi);
            EXPECT_TRUE(QRegularExpression("^[+-][0-9]{1,2}$").match(fields[4]).hasMatch()) << lines[i].toStdString();
            EXPECT_LE(std::abs(fields[4].toInt()), 50);
        }
    }
}

TEST_F(ShellCommands, ListenSaysInOneLineThatARecordingCannotBeRead)
{
    const QString missing = m_folder.filePath("missing.wav");
    const QString text = m_folder.Write("not a sound at all", "text.wav");
    for (const QString& file : {missing, text}) {
        SCOPED_TRACE(file.toStdString());
        const ToolRun run = Voldrim({"--listen", file});
        EXPECT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, QByteArray());
        const QString err = QString::fromLocal8Bit(run.err);
        EXPECT_TRUE(err.startsWith("voldrim: " + file + ": ")) << err.toStdString();
        EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
        EXPECT_TRUE(err.endsWith('\n'));
    }
}

TEST_F(ShellCommands, NamesThatAreNotUtf8AreTheFilesOfExactlyThoseBytes)
{
    const QByteArray melody = m_folder.NativePath("bad-\xFF\xFE-name.vdm");
    ASSERT_TRUE(WriteNamedFileBytes(melody, kMelody));
    const struct {
        QByteArray name;
        QByteArray start;
    } exports[] = {{"out-\xFF.musicxml", "<?xml"}, {"out-\xFE\xFD.mid", "MThd"}, {"out-\xC0\xAF.pdf", "%PDF"}};
    for (const auto& c : exports) {
        SCOPED_TRACE(c.name.toHex().toStdString());
        const QByteArray output = m_folder.NativePath(c.name);
        const ToolRun run = VoldrimOnBytes({"--export", melody, output});
        EXPECT_TRUE(run.Succeeded()) << run.err.toStdString();
        EXPECT_EQ(run.err, QByteArray());
        EXPECT_TRUE(ReadNamedFileBytes(output).startsWith(c.start));
    }

    // A score is imported by its bytes too, and its summary names it with
    // U+FFFD for the bytes no text can show.
    const QByteArray score = m_folder.NativePath("score-\xFF.musicxml");
    ASSERT_TRUE(WriteNamedFileBytes(score, "<score-partwise><part-list><score-part id=\"P1\"/></part-list>"
                                           "<part id=\"P1\"><measure><note><pitch><step>C</step><octave>3</octave>"
                                           "</pitch><duration>1</duration></note></measure></part></score-partwise>"));
    const QByteArray imported = m_folder.NativePath("imported-\xFE.vdm");
    const ToolRun import = VoldrimOnBytes({"--export", score, imported});
    EXPECT_TRUE(import.Succeeded()) << import.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(import.err),
              "voldrim: " + m_folder.filePath(QStringLiteral("score-\uFFFD.musicxml")) + ": 1 note imported as written.\n");
    EXPECT_TRUE(ReadNamedFileBytes(imported).startsWith(kMelody.left(4)));

    // The line names the file with U+FFFD for the bytes no text can show.
    const QByteArray missing = m_folder.NativePath("gone-\xFF.vdm");
    const QString unwritable = m_folder.filePath(QStringLiteral("bad-\uFFFD\uFFFD-name.vdm/x-\uFFFD.mid"));
    const struct {
        QList<QByteArray> arguments;
        QString line;
    } failures[] = {
        {{"--export", missing, m_folder.NativePath("out.mid")},
         m_folder.filePath(QStringLiteral("gone-\uFFFD.vdm")) + " was not found."},
        {{"--export", melody, melody + "/x-\xFF.mid"}, unwritable + ": Failed to save document."},
        {{"--export", m_folder.NativePath("gone-\xFF.mid"), m_folder.NativePath("out.vdm")},
         m_folder.filePath(QStringLiteral("gone-\uFFFD.mid")) + " was not found."},
    };
    for (const auto& c : failures) {
        SCOPED_TRACE(c.line.toStdString());
        const ToolRun run = VoldrimOnBytes(c.arguments);
        EXPECT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, int(ExportFailed));
        EXPECT_EQ(QString::fromUtf8(run.err), "voldrim: " + c.line + "\n");
    }
}

TEST_F(ShellCommands, HelpAndVersionAnswerOnStandardOutput)
{
    const ToolRun help = Voldrim({"--help"});
    EXPECT_TRUE(help.Succeeded());
    EXPECT_TRUE(help.out.startsWith("Usage: voldrim\n")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("--open MELODY.vdm"));
    EXPECT_TRUE(help.out.contains("--export MELODY OUTPUT [--meter METER]"));
    EXPECT_EQ(help.err, QByteArray());

    const ToolRun version = Voldrim({"--version"});
    EXPECT_TRUE(version.Succeeded());
    EXPECT_EQ(version.out, QByteArray("Voldrim ") + ProgramVersion() + "\n");
}

TEST_F(ShellCommands, AnInterruptedPdfExportLeavesNothingBehind)
{
    // Long enough to be caught half-way: some seconds of pages.
    const QString melody = Saved("Long", "long.vdm", 20000);
    const QString output = m_folder.filePath("long.pdf");
    QTemporaryDir scratch;
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", scratch.path());
    // Else Qt makes a runtime folder of its own in the temporary folder.
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    const auto scratchLeft = [&] { return QDir(scratch.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); };

    for (int number : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(number);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VOLDRIM_PROGRAM), {"--export", melody, output});
        ASSERT_TRUE(QTest::qWaitFor([&] { return !scratchLeft().isEmpty(); }, kToolTimeoutMs));
        ::kill(pid_t(program.processId()), number);
        ASSERT_TRUE(program.waitForFinished(kToolTimeoutMs));
        EXPECT_EQ(program.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(scratchLeft(), QStringList());
        EXPECT_FALSE(QFile::exists(output));
    }

    // A file-size limit: a failed write, said in one line.
    const ToolRun limited = RunExternalTool("/bin/sh", {"-c", "ulimit -f 64; exec \"$0\" --export \"$1\" \"$2\"",
                                                        QStringLiteral(VOLDRIM_PROGRAM), melody, output},
                                            environment);
    EXPECT_EQ(limited.exitCode, 1);
    EXPECT_EQ(limited.err.count('\n'), 1) << limited.err.toStdString();
    EXPECT_EQ(scratchLeft(), QStringList());
    EXPECT_FALSE(QFile::exists(output));
}

} // namespace
