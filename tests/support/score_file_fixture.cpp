// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/score_file_fixture.h"

#include "support/file_bytes.h"

#include <QXmlStreamReader>

namespace {

const QString kMuseScore = QStringLiteral("mscore3");
// MuseScore's first start in a fresh home sets itself up for a while.
constexpr int kMuseScoreTimeoutMs = 120000;

// What ReadMidi prints.
const QString kReadBack = QStringLiteral(R"(
import sys, mido
midi = mido.MidiFile(sys.argv[1])
print('file', midi.type, midi.ticks_per_beat, len(midi.tracks))
time, sounding = 0, {}
for message in midi.tracks[0]:
    time += message.time
    if message.type == 'note_on':
        sounding[message.note] = (time, message.velocity)
    elif message.type == 'note_off':
        start, velocity = sounding.pop(message.note)
        print('note', message.channel, message.note, start, time - start, velocity, message.velocity)
    else:
        print(time, *(value for key, value in message.dict().items() if key != 'time'))
print('still sounding', len(sounding))
)");

int Eighths(const QString& durationType, int dots)
{
    const int plain = durationType == QLatin1String("eighth") ? 1
        : durationType == QLatin1String("quarter")          ? 2
        : durationType == QLatin1String("half")             ? 4
        : durationType == QLatin1String("whole")            ? 8
                                                            : 0;
    return dots == 1 ? plain * 3 / 2 : plain;
}

} // namespace

MuseScoreScore ReadMuseScoreFile(const QByteArray& bytes)
{
    MuseScoreScore score;
    QXmlStreamReader xml(bytes);
    int pitch = 0;
    int tpc = 0;
    QString durationType;
    int dots = 0;
    QString sign;
    bool inSign = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("Chord") || name == QLatin1String("Rest")) {
                pitch = tpc = dots = 0;
                sign.clear();
            } else if (name == QLatin1String("Accidental")) { // of a note
                inSign = true;
            } else if (name == QLatin1String("subtype") && inSign) {
                sign = xml.readElementText().remove(QLatin1String("accidental"));
                inSign = false;
            } else if (name == QLatin1String("durationType")) {
                durationType = xml.readElementText();
            } else if (name == QLatin1String("dots")) {
                dots = xml.readElementText().toInt();
            } else if (name == QLatin1String("pitch")) {
                pitch = xml.readElementText().toInt();
            } else if (name == QLatin1String("tpc")) {
                tpc = xml.readElementText().toInt();
            } else if (name == QLatin1String("accidental")) { // of the key signature
                score.keySignature = xml.readElementText().toInt();
            } else if (name == QLatin1String("tempo")) {
                score.beatsPerSecond = xml.readElementText().toDouble();
            } else if (name == QLatin1String("metaTag")) {
                const QString metaTag = xml.attributes().value(QLatin1String("name")).toString();
                const QString text = xml.readElementText();
                if (metaTag == QLatin1String("workTitle"))
                    score.title = text;
                if (metaTag == QLatin1String("composer"))
                    score.composer = text;
            }
        } else if (xml.isEndElement() && (name == QLatin1String("Chord") || name == QLatin1String("Rest"))) {
            score.notes.emplace_back(pitch, tpc, Eighths(durationType, dots));
            score.signs.push_back(sign.toStdString());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return score;
}

std::string ReadMidi(const QString& path)
{
    const ToolRun run = RunExternalTool(kPython, {QStringLiteral("-c"), kReadBack, path});
    EXPECT_TRUE(run.Succeeded()) << run.err.toStdString() << " (scripts/install-deps installs python3-mido)";
    return run.out.toStdString();
}

QByteArray ScoreFileFixture::ConvertedScore(const QString& name, const QString& extension, const QString& reader,
                                            const QStringList& options, const char* package,
                                            const QProcessEnvironment& environment, int timeoutMs)
{
    const QString score = MusicXmlFile(name + ".musicxml");
    const QString converted = m_folder.filePath(name + extension);
    const QStringList arguments = options + QStringList{QStringLiteral("-o"), converted, score};
    const ToolRun run = RunExternalTool(reader, arguments, environment, timeoutMs);
    EXPECT_TRUE(run.Succeeded()) << run.err.toStdString() << " (scripts/install-deps installs " << package << ")";
    return ReadFileBytes(converted);
}

MuseScoreScore ScoreFileFixture::ImportedByMuseScore(const QString& name)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return ReadMuseScoreFile(ConvertedScore(name, QStringLiteral(".mscx"), kMuseScore, {}, "musescore3", environment,
                                            kMuseScoreTimeoutMs));
}
