// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Files that cannot be imported are refused with the problem they have,
// without the reader taking more memory than a melody needs; files made
// by hand show the rules no notation program's file reaches.
#include "import/import_error.h"
#include "import/import_file.h"
#include "import/staff_fitting.h"
#include "support/external_tool.h"
#include "support/scratch_folder.h"

#include <QFile>

namespace {

constexpr std::size_t kMostNotes = 100000;

// A one-part score of the measures given, four divisions a quarter.
QByteArray Score(const QByteArray& measures, const QByteArray& doctype = QByteArray())
{
    return "<?xml version=\"1.0\"?>" + doctype +
           "<score-partwise><part-list><score-part id=\"P1\"/></part-list><part id=\"P1\"><measure>"
           "<attributes><divisions>4</divisions></attributes>" +
           measures + "</measure></part></score-partwise>";
}

QByteArray Note(const char* step, int octave, int duration)
{
    return QStringLiteral("<note><pitch><step>%1</step><octave>%2</octave></pitch><duration>%3</duration></note>")
        .arg(QLatin1String(step))
        .arg(octave)
        .arg(duration)
        .toLatin1();
}

QByteArray BigEndian(quint32 value, int size)
{
    QByteArray bytes;
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xFF));
    return bytes;
}

// A MIDI file of the format and division with these tracks' events.
QByteArray Midi(int format, int division, const QList<QByteArray>& tracks)
{
    QByteArray file = "MThd" + BigEndian(6, 4) + BigEndian(quint32(format), 2) + BigEndian(quint32(tracks.size()), 2) +
                      BigEndian(quint32(division), 2);
    for (const QByteArray& track : tracks)
        file += "MTrk" + BigEndian(quint32(track.size()), 4) + track;
    return file;
}

// Note on and off with the ticks before each, on channel 1.
QByteArray MidiNote(int pitch, int delay, int length)
{
    return QByteArray::fromHex(QStringLiteral("%1 90 %2 64 %3 80 %2 40")
                                   .arg(delay, 2, 16, QLatin1Char('0'))
                                   .arg(pitch, 2, 16, QLatin1Char('0'))
                                   .arg(length, 2, 16, QLatin1Char('0'))
                                   .toLatin1());
}

// A zip archive of the entries, written by Python's zipfile.
QByteArray Zip(const CScratchFolder& folder, const QString& entries)
{
    const QString path = folder.filePath(QStringLiteral("archive.zip"));
    const ToolRun run = RunExternalTool(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import sys, zipfile\n"
                        "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
                        "    %1\n")
             .arg(entries),
         path});
    EXPECT_TRUE(run.Succeeded()) << run.err.toStdString();
    return ReadFileBytes(path);
}

// A score of that many parts, each named in the part list.
QByteArray ScoreOfParts(int parts)
{
    QByteArray list;
    for (int i = 0; i < parts; ++i)
        list += QStringLiteral("<score-part id=\"P%1\"/>").arg(i).toLatin1();
    return "<score-partwise><part-list>" + list + "</part-list><part id=\"P0\"><measure>" + Note("C", 3, 1) +
           "</measure></part></score-partwise>";
}

// A MIDI file of that many tracks, each with a note on all sixteen channels.
QByteArray MidiOfTracks(int tracks)
{
    QByteArray track;
    for (int channel = 0; channel < 16; ++channel)
        track += QByteArray::fromHex("00") + char(0x90 | channel) + QByteArray::fromHex("30 40");
    track += QByteArray::fromHex("00 ff 2f 00");
    return Midi(1, 96, QList<QByteArray>(tracks, track));
}

// A MIDI file of notes started and never ended, more than any line takes.
QByteArray MidiOfHangingNotes(int notes)
{
    QByteArray track = QByteArray::fromHex("00 90 30 40");
    for (int i = 1; i < notes; ++i)
        track += QByteArray::fromHex("00 30 40"); // running status
    return Midi(0, 96, {track + QByteArray::fromHex("00 ff 2f 00")});
}

std::optional<ImportProblem> ProblemOf(const QByteArray& bytes)
{
    try {
        const CImportFile file = CImportFile::FromBytes(bytes);
        file.Parts();
        FitToStaff(file.Line(0, kMostNotes), kMostNotes);
        return std::nullopt;
    } catch (const CImportError& error) {
        return error.Problem();
    }
}

TEST(RefusedFiles, EachProblemIsToldApart)
{
    CScratchFolder folder;
    const QByteArray laughs = "<!DOCTYPE score-partwise [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;\">]>";
    const QByteArray external = "<!DOCTYPE score-partwise [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>";
    const QByteArray track = MidiNote(48, 0, 96) + QByteArray::fromHex("00 ff 2f 00");
    const struct {
        const char* name;
        QByteArray bytes;
        std::optional<ImportProblem> problem;
    } cases[] = {
        {"a score", Score(Note("C", 3, 4)), std::nullopt},
        {"text", "Twinkle, twinkle", ImportProblem::NotMusicXml},
        {"another XML", "<html><body/></html>", ImportProblem::NotMusicXml},
        {"a score cut short", Score(Note("C", 3, 4)).left(200), ImportProblem::Damaged},
        {"a pitch of no octave", Score("<note><pitch><step>C</step></pitch><duration>4</duration></note>"),
         ImportProblem::Damaged},
        {"entities", Score("<work-title>&b;</work-title>", laughs), ImportProblem::XmlFeatures},
        {"an external entity", Score("&x;", external), ImportProblem::XmlFeatures},
        {"nesting", Score(QByteArray("<a>").repeated(100) + QByteArray("</a>").repeated(100)),
         ImportProblem::XmlFeatures},
        {"rests only", Score("<note><rest/><duration>4</duration></note>"), ImportProblem::NoNotes},
        // Two million quarter rests are refused before one is made.
        {"an endless rest", Score("<note><rest/><duration>8000000</duration></note>" + Note("C", 3, 4)),
         ImportProblem::TooManyNotes},
        {"a broken zip", "PK\x03\x04 and nothing more", ImportProblem::Damaged},
        {"a zip without a score", Zip(folder, "z.writestr('readme.txt', 'no score')"), ImportProblem::NoScoreInZip},
        {"a score that unpacks past 64 MB",
         Zip(folder, "z.writestr('score.musicxml', b'<' + b' ' * (64 * 1024 * 1024))"), ImportProblem::TooLarge},
        {"a zipped score",
         Zip(folder, QStringLiteral("z.writestr('s.xml', '%1')").arg(QString::fromLatin1(Score(Note("C", 3, 4))))),
         std::nullopt},
        {"a MIDI file", Midi(0, 96, {track}), std::nullopt},
        {"a MIDI file cut short", Midi(0, 96, {track}).chopped(3), ImportProblem::Damaged},
        {"a MIDI file of format 2", Midi(2, 96, {track}), ImportProblem::UnsupportedMidi},
        {"a MIDI file timed in frames", Midi(0, 0xE728, {track}), ImportProblem::UnsupportedMidi},
        {"a MIDI file without notes", Midi(1, 96, {QByteArray::fromHex("00 ff 51 03 07 a1 20 00 ff 2f 00")}),
         ImportProblem::NoNotes},
        {"data before any status", Midi(0, 96, {QByteArray::fromHex("00 30 40 00 ff 2f 00")}), ImportProblem::Damaged},
        // What a file may make the reader hold: its list of parts, and the
        // notes of a line, also those never ended.
        {"a score of 1,000 parts", ScoreOfParts(1000), std::nullopt},
        {"a score of 1,001 parts", ScoreOfParts(1001), ImportProblem::TooManyParts},
        {"a MIDI file of 62 tracks of 16 channels", MidiOfTracks(62), std::nullopt},
        {"a MIDI file of 63 tracks of 16 channels", MidiOfTracks(63), ImportProblem::TooManyParts},
        {"a MIDI file of 400,001 notes never ended", MidiOfHangingNotes(400001), ImportProblem::TooManyNotes},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ProblemOf(c.bytes), c.problem);
    }
}

TEST(RefusedFiles, AFileIsReadOnlyWhenItIsThereARegularFileAndSmallEnough)
{
    CScratchFolder folder;
    QFile huge(folder.filePath(QStringLiteral("huge.mid")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(kLargestImportBytes + 1));
    huge.close();
    const struct {
        QString path;
        ImportProblem problem;
    } cases[] = {
        {folder.filePath(QStringLiteral("missing.mid")), ImportProblem::NotFound},
        {folder.path(), ImportProblem::AccessDenied},
        {huge.fileName(), ImportProblem::TooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        try {
            CImportFile::Read(c.path);
            ADD_FAILURE() << "read";
        } catch (const CImportError& error) {
            EXPECT_EQ(error.Problem(), c.problem);
        }
    }
}

// The line of the one part of hand-made files.
std::vector<std::pair<NoteValue, int>> LineOf(const QByteArray& bytes)
{
    const CImportFile file = CImportFile::FromBytes(bytes);
    return FitToStaff(file.Line(0, kMostNotes), kMostNotes).notes;
}

TEST(HandMadeFiles, TimewiseScoresAndOverlappingMidiNotesGiveOneLine)
{
    using Line = std::vector<std::pair<NoteValue, int>>;
    const QByteArray timewise =
        "<score-timewise><part-list><score-part id=\"P1\"/><score-part id=\"P2\"/></part-list>"
        "<measure><part id=\"P2\">" + Note("E", 2, 1) + "</part><part id=\"P1\"><attributes><divisions>1</divisions>"
        "</attributes>" + Note("C", 3, 1) + "</part></measure><measure><part id=\"P1\">" + Note("D", 3, 2) +
        "</part></measure></score-timewise>";
    // 96 ticks a quarter. Legato: C3 starts 8 ticks before D3 ends, and
    // ends it. Under: B2 sounds within E3's half note, and is left out.
    const QByteArray overlapping = Midi(
        0, 96,
        {QByteArray::fromHex("00 90 32 64 58 90 30 64 08 80 32 40 58 80 30 40 00 90 34 64 30 90 2f 64 30 80 2f 40"
                             "60 80 34 40 00 90 35 64 60 80 35 40 00 ff 2f 00")});
    const struct {
        const char* name;
        QByteArray bytes;
        Line line;
    } cases[] = {
        {"timewise", timewise, {{NoteQuarter, 48}, {NoteHalf, 50}}},
        {"overlapping", overlapping, {{NoteQuarter, 50}, {NoteQuarter, 48}, {NoteHalf, 52}, {NoteQuarter, 53}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LineOf(c.bytes), c.line);
    }
}

} // namespace
