// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A melody written in a meter, read by two independent readers: MuseScore 3
// finds every bar full and plays the notes as Voldrim's own MIDI file does
// (read by mido), with or without the meter; LilyPond's musicxml2ly finds
// the time signature, the ties across barlines and the beams within beats,
// and LilyPond itself finds every bar check of its score true.
#include "score_writer_fixture.h"

#include <QRegularExpression>

namespace {

// In G: a dotted half, four eighths and a rest, a whole, a dotted quarter,
// an eighth, a half, three eighths: notes cross the barlines of both meters.
const std::vector<std::pair<int, int>> kMelody = {
    {6, 43}, {1, 54}, {1, 55}, {1, 57}, {1, 59}, kRest, {8, 48}, {3, 50}, {1, 52}, {4, 54}, {1, 55}, {1, 57},
    {1, 59}};
const Meter kMeters[] = {{3, 4}, {6, 8}};
// LilyPond's first run in a fresh cache may take a while on a busy machine.
constexpr int kLilyPondTimeoutMs = 120000;

// Every note of every track as "pitch start length" in quarters' ticks at
// 480 a quarter, by time; the tempo and the time signature first.
const QString kNotes = QStringLiteral(R"(
import sys, mido
midi = mido.MidiFile(sys.argv[1])
scale = 480 / midi.ticks_per_beat
notes = []
for track in midi.tracks:
    time, sounding = 0, {}
    for message in track:
        time += message.time
        if message.type == 'set_tempo':
            print('tempo', message.tempo)
        elif message.type == 'time_signature':
            print('time', '%d/%d' % (message.numerator, message.denominator))
        elif message.type == 'note_on' and message.velocity > 0:
            sounding[message.note] = time
        elif message.type in ('note_on', 'note_off') and message.note in sounding:
            start = sounding.pop(message.note)
            notes.append((round(start * scale), message.note, round((time - start) * scale)))
for start, note, length in sorted(notes):
    print(note, start, length)
)");

struct Sounded {
    int pitch = 0;
    int start = 0;
    int length = 0;
};

std::vector<Sounded> NotesOf(const QString& midi, QString& tempo, QString* time = nullptr)
{
    const ToolRun run = RunExternalTool(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), kNotes, midi});
    EXPECT_TRUE(run.Succeeded()) << run.err.toStdString() << " (scripts/install-deps installs python3-mido)";
    std::vector<Sounded> notes;
    for (const QString& line : QString::fromLatin1(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char(' '));
        if (fields[0] == QLatin1String("tempo"))
            tempo = tempo.isEmpty() ? fields[1] : tempo;
        else if (fields[0] == QLatin1String("time") && time)
            *time = fields[1];
        else if (fields[0] != QLatin1String("time"))
            notes.push_back({fields[0].toInt(), fields[1].toInt(), fields[2].toInt()});
    }
    return notes;
}

using MeteredScore = ScoreWriterFixture;

TEST_F(MeteredScore, MuseScoreFindsEveryBarFullAndPlaysTheNotesAsVoldrimDoes)
{
    SetMelody(KeyG, kMelody);
    QStringList jobs;
    for (const Meter& meter : kMeters) {
        const QString name = QStringLiteral("in%1-%2").arg(meter.beats).arg(meter.beatType);
        jobs << QStringLiteral(R"({"in": "%1", "out": ["%2", "%3"]})")
                    .arg(MusicXmlFileIn(meter, name + ".musicxml"), m_folder.filePath(name + ".mscx"),
                         m_folder.filePath(name + ".mid"));
    }
    const QString job = m_folder.filePath("job.json");
    ASSERT_TRUE(WriteFileBytes(job, ("[" + jobs.join(',') + "]").toUtf8()));
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    constexpr int kMuseScoreTimeoutMs = 120000;
    const ToolRun run = RunExternalTool(QStringLiteral("mscore3"), {"-j", job}, environment, kMuseScoreTimeoutMs);
    ASSERT_TRUE(run.Succeeded()) << run.err.toStdString() << " (scripts/install-deps installs musescore3)";

    QString ownTempo;
    const std::vector<Sounded> own = NotesOf(MidiFileIn(Meter(), "own.mid"), ownTempo);
    ASSERT_EQ(own.size(), 12u);
    for (const Meter& meter : kMeters) {
        const QString name = QStringLiteral("in%1-%2").arg(meter.beats).arg(meter.beatType);
        SCOPED_TRACE(name.toStdString());
        const QByteArray score = ReadFileBytes(m_folder.filePath(name + ".mscx"));
        // MuseScore marks a bar whose notes do not fill it with its length.
        EXPECT_TRUE(score.contains("<Measure>")) << score.left(200).toStdString();
        EXPECT_FALSE(score.contains("<Measure len=")) << score.toStdString();
        EXPECT_TRUE(score.contains(QStringLiteral("<sigN>%1</sigN>").arg(meter.beats).toLatin1()));
        EXPECT_TRUE(score.contains(QStringLiteral("<sigD>%1</sigD>").arg(meter.beatType).toLatin1()));

        QString tempo;
        const std::vector<Sounded> played = NotesOf(m_folder.filePath(name + ".mid"), tempo);
        EXPECT_EQ(tempo, ownTempo);
        ASSERT_EQ(played.size(), own.size());
        for (std::size_t i = 0; i < own.size(); ++i) {
            EXPECT_EQ(played[i].pitch, own[i].pitch) << i;
            EXPECT_EQ(played[i].start, own[i].start) << i;
            // MuseScore lifts each note a tick before the next.
            EXPECT_NEAR(played[i].length, own[i].length, 1) << i;
        }

        // Voldrim's own MIDI file in the meter carries its time signature
        // and sounds exactly as the one without.
        QString meteredTempo;
        QString time;
        const std::vector<Sounded> metered =
            NotesOf(MidiFileIn(meter, name + "-own.mid"), meteredTempo, &time);
        EXPECT_EQ(time, MeterText(meter));
        EXPECT_EQ(meteredTempo, ownTempo);
        ASSERT_EQ(metered.size(), own.size());
        for (std::size_t i = 0; i < own.size(); ++i) {
            EXPECT_EQ(metered[i].pitch, own[i].pitch) << i;
            EXPECT_EQ(metered[i].start, own[i].start) << i;
            EXPECT_EQ(metered[i].length, own[i].length) << i;
        }
    }
}

TEST_F(MeteredScore, LilyPondFindsTheTimeSignatureTiesAcrossBarlinesAndBeamsByTheBeat)
{
    SetMelody(KeyG, kMelody);
    const struct {
        Meter meter;
        const char* time;
        int ties;
        int beams;
    } cases[] = {
        // 3/4: the whole note over bars 3 and 4; beams of two eighths.
        {{3, 4}, "\\time 3/4", 1, 3},
        // 6/8: the whole note over bars 3 and 4; a beam of three eighths,
        // and one of two where the second beat holds two.
        {{6, 8}, "\\time 6/8", 1, 2},
    };
    QStringList scores;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time);
        const QString name = QStringLiteral("ly%1").arg(c.meter.beats);
        const QString score = MusicXmlFileIn(c.meter, name + ".musicxml");
        const QString ly = m_folder.filePath(name + ".ly");
        const ToolRun run = RunExternalTool(QStringLiteral("musicxml2ly"), {"--absolute", "-o", ly, score});
        ASSERT_TRUE(run.Succeeded()) << run.err.toStdString() << " (scripts/install-deps installs lilypond)";
        const QString text = QString::fromUtf8(ReadFileBytes(ly));
        EXPECT_TRUE(text.contains(QLatin1String(c.time))) << text.toStdString();
        EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("\\d\\.* ?~"))), c.ties) << text.toStdString();
        EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("\\d\\.* ?\\["))), c.beams) << text.toStdString();
        // A bar check at every barline of the score.
        EXPECT_GE(text.count(QLatin1String(" |")), 4) << text.toStdString();
        scores << ly;
    }

    // LilyPond warns of each bar check whose bar the notes do not fill
    // exactly. No pages are printed: the checks are all that is asked.
    const ToolRun engraved = RunExternalTool(
        QStringLiteral("lilypond"),
        QStringList{"-dno-print-pages", "--loglevel=WARNING", "-o", m_folder.filePath("engraved")} + scores,
        QProcessEnvironment::systemEnvironment(), kLilyPondTimeoutMs);
    EXPECT_TRUE(engraved.Succeeded()) << engraved.err.toStdString();
    EXPECT_EQ(engraved.err.toStdString(), "");
}

} // namespace
