// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The MusicXML score imported by an independent reader, MuseScore 3
// (Debian's musescore3), and saved in its own format: the notes with their
// spelling, values and signs, the key signature, the title, the composer
// and the tempo it took from the file.
#include "export_fixture.h"

#include <QXmlStreamReader>

#include <tuple>

namespace {

const QString kMuseScore = QStringLiteral("mscore3");
// MuseScore's first start in a fresh home sets itself up for a while.
constexpr int kMuseScoreTimeoutMs = 120000;

// A note as MuseScore keeps it: its pitch, its spelling as a place on the
// line of fifths (C 14, G 15, F 13, F# 20, Bb 12, ...), and its length in
// eighth notes. A rest has pitch and spelling 0.
using Note = std::tuple<int, int, int>;

struct Score {
    std::vector<Note> notes;
    // The sign before each note or rest as MuseScore shows it: "Sharp",
    // "Flat", "Natural", or empty for none.
    std::vector<std::string> signs;
    std::optional<int> keySignature; // sharps above 0, flats below
    double beatsPerSecond = 0;
    QString title, composer;
};

int Eighths(const QString& durationType, int dots)
{
    const int plain = durationType == QLatin1String("eighth") ? 1
        : durationType == QLatin1String("quarter")          ? 2
        : durationType == QLatin1String("half")             ? 4
        : durationType == QLatin1String("whole")            ? 8
                                                            : 0;
    return dots == 1 ? plain * 3 / 2 : plain;
}

// Reads MuseScore's own file: chords and rests in order, the key signature,
// the tempo and the title and composer.
Score ReadMuseScoreFile(const QByteArray& bytes)
{
    Score score;
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

class MusicXmlTest : public ExportFixture {
protected:
    // The exported score as MuseScore imported it.
    Score ImportedByMuseScore(const QString& name)
    {
        // A home of its own, so that the user's MuseScore settings stay untouched.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return ReadMuseScoreFile(ConvertedScore(name, QStringLiteral(".mscx"), kMuseScore, {}, "musescore3",
                                                environment, kMuseScoreTimeoutMs));
    }

    QTemporaryDir m_home;
};

TEST_F(MusicXmlTest, MuseScoreReadsTheNotesAsTheStaffSpellsThemInEveryKey)
{
    struct Case {
        Key key;
        std::vector<std::pair<int, int>> melody;
        std::vector<Note> notes;
        std::optional<int> keySignature;
    };
    // Out-of-key notes keep the staff's spelling: the rows' sharps (C#, F#)
    // and flats (Eb, Ab, Bb), whatever the key. MuseScore keeps no key
    // signature for C major.
    const Case cases[] = {
        {KeyC, {{2, 48}, {2, 42}, {2, 46}}, {{48, 14, 2}, {42, 20, 2}, {46, 12, 2}}, std::nullopt},
        {KeyG, {{2, 43}, {1, 54}, {3, 53}, {999, 999}, {4, 60}, {6, 46}, {8, 64}},
         {{43, 15, 2}, {54, 20, 1}, {53, 13, 3}, {0, 0, 2}, {60, 14, 4}, {46, 12, 6}, {64, 18, 8}}, 1},
        {KeyD, {{2, 49}, {2, 54}, {2, 48}}, {{49, 21, 2}, {54, 20, 2}, {48, 14, 2}}, 2},
        {KeyF, {{2, 46}, {2, 47}, {2, 56}}, {{46, 12, 2}, {47, 19, 2}, {56, 10, 2}}, -1},
        {KeyBb, {{2, 46}, {2, 51}, {2, 42}, {2, 52}}, {{46, 12, 2}, {51, 11, 2}, {42, 20, 2}, {52, 18, 2}}, -2},
        // No key signature; a note with the rest's value lasts a quarter, as
        // playback gives it; a pitch off the staff is left out.
        {KeyChromatic, {{2, 37}, {2, 39}, {2, 44}, {999, 61}, {2, 70}, {8, 63}},
         {{37, 21, 2}, {39, 11, 2}, {44, 10, 2}, {61, 21, 2}, {63, 11, 8}}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(KeyName(c.key).toStdString());
        SetMelody(c.key, c.melody);
        const Score score = ImportedByMuseScore(QStringLiteral("key%1").arg(int(c.key)));
        EXPECT_EQ(score.notes, c.notes);
        EXPECT_EQ(score.keySignature, c.keySignature);
    }
}

TEST_F(MusicXmlTest, MuseScoreReadsTheTitleTheComposerAndTheTempo)
{
    SetMelody(KeyG, {{2, 43}});
    m_doc.m_strMelodyTitle = QString::fromUtf8("Élégie & <Rondo>");
    m_doc.m_strMelodyComposer = QString::fromUtf8("Anna Řezníčková");
    m_doc.m_nTempo = 272;
    const Score score = ImportedByMuseScore(QStringLiteral("titled"));
    EXPECT_EQ(score.title.toStdString(), "Élégie & <Rondo>");
    EXPECT_EQ(score.composer.toStdString(), "Anna Řezníčková");
    // The tempo dialog calls 272 ms 220 a minute, though 60000 / 272 is 220.6.
    EXPECT_NEAR(score.beatsPerSecond * 60, 220, 0.01);
}

TEST_F(MusicXmlTest, MuseScoreShowsTheSignsTheStaffShowsAndThoseTheKeySignatureDoesNotGive)
{
    const struct {
        Key key;
        std::vector<std::pair<int, int>> melody;
        std::vector<std::string> signs;
    } cases[] = {
        // The natural after a sharp or flat on the same row, past a rest and
        // other rows; a sharp or flat every time.
        {KeyChromatic, {{2, 49}, {2, 48}, {2, 48}, {2, 39}, {999, 999}, {2, 43}, {2, 40}, {2, 49}},
         {"Sharp", "Natural", "", "Flat", "", "", "Natural", "Sharp"}},
        // F natural outside G major, then the key's own F# again.
        {KeyG, {{2, 53}, {2, 54}, {2, 54}}, {"Natural", "Sharp", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(KeyName(c.key).toStdString());
        SetMelody(c.key, c.melody);
        EXPECT_EQ(ImportedByMuseScore(QStringLiteral("signs%1").arg(int(c.key))).signs, c.signs);
    }
}

} // namespace
