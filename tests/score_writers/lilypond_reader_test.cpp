// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The MusicXML score converted by a second independent reader, LilyPond's
// musicxml2ly (Debian's lilypond): the notes it writes for LilyPond with
// the signs it is told to print and the key, and an empty melody converted
// without an error.
#include "score_writer_fixture.h"

#include <QRegularExpression>

namespace {

const QString kMusicXml2Ly = QStringLiteral("musicxml2ly");

// LilyPond's own text of the one voice, from its name to its closing brace.
QString Voice(const QString& ly)
{
    const QRegularExpression voice(QStringLiteral("PartPOneVoiceOne\\s*=[^{]*\\{([^}]*)\\}"));
    return voice.match(ly).captured(1);
}

// The notes and rests of the voice as LilyPond writes them in absolute
// pitches ("cis" C#3, "es," Eb2, "c'" C4), with "?" after a pitch whose
// sign LilyPond is told to print as a reminder, and the length ("4" a
// quarter, "R1" a whole-measure rest), separated by spaces.
std::string Notes(const QString& voice)
{
    static const QRegularExpression note(
        QStringLiteral("(?<![\\w\\\\.\"])((?:[a-g](?:is|es)*|es|as)[',]*|[rR]) ?([?!]?)(\\d+\\.*)"));
    QStringList notes;
    for (auto it = note.globalMatch(voice); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        notes << match.captured(1) + match.captured(2) + match.captured(3);
    }
    return notes.join(QLatin1Char(' ')).toStdString();
}

class LilyPondReaderTest : public ScoreWriterFixture {
protected:
    // The voice of the exported score, converted with absolute pitches.
    QString ConvertedVoice(const QString& name)
    {
        const QByteArray ly =
            ConvertedScore(name, QStringLiteral(".ly"), kMusicXml2Ly, {QStringLiteral("--absolute")}, "lilypond");
        return Voice(QString::fromUtf8(ly));
    }
};

TEST_F(LilyPondReaderTest, EverySignTheStaffShowsAndEveryNoteOutsideTheKeyIsPrinted)
{
    struct Case {
        Key key;
        std::vector<std::pair<int, int>> melody;
        const char* notes;
        QString keySignature; // none in the chromatic key
    };
    // LilyPond prints a sign wherever the key signature does not give the
    // pitch; "?" prints the sign after an invisible barline that would
    // otherwise have cleared it.
    const Case cases[] = {
        // The natural after a sharp on the same row, and none after it.
        {KeyChromatic, {{2, 49}, {2, 48}, {2, 48}}, "cis4 c?4 c4", QString()},
        // Past a rest and a note on another row; a flat again after its natural.
        {KeyChromatic, {{2, 39}, {2, 48}, kRest, {4, 40}, {2, 40}, {2, 39}, {1, 63}, {1, 64}},
         "es,4 c4 r4 e,?2 e,4 es,4 es'8 e'?8", QString()},
        // F natural and Bb outside G major; the key's F# again after the natural.
        {KeyG, {{2, 53}, {2, 54}, {2, 54}, {2, 46}, {2, 42}}, "f4 fis?4 fis4 bes,4 fis,4",
         "\\key g \\major"},
        // B natural outside Bb major, then the key's Bb again; Eb untouched.
        {KeyBb, {{2, 47}, {2, 46}, {2, 51}, {2, 52}, {2, 51}}, "b,4 bes,?4 es4 e4 es?4",
         "\\key bes \\major"},
        {KeyD, {{2, 48}, {2, 49}, {2, 54}}, "c4 cis?4 fis4", "\\key d \\major"},
    };
    int count = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(KeyName(c.key).toStdString() + " " + std::to_string(count));
        SetMelody(c.key, c.melody);
        const QString voice = ConvertedVoice(QStringLiteral("signs%1").arg(count++));
        EXPECT_EQ(Notes(voice), c.notes);
        if (c.keySignature.isEmpty())
            EXPECT_FALSE(voice.contains("\\key")) << voice.toStdString();
        else
            EXPECT_TRUE(voice.contains(c.keySignature)) << voice.toStdString();
    }
}

TEST_F(LilyPondReaderTest, AnEmptyMelodyIsOneMeasureOfRest)
{
    SetMelody(KeyG, {});
    const QString voice = ConvertedVoice(QStringLiteral("empty"));
    EXPECT_EQ(Notes(voice), "R1") << voice.toStdString();
}

} // namespace
