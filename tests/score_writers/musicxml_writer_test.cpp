// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The MusicXML writer's score imported by an independent reader, MuseScore
// 3 (Debian's musescore3), and saved in its own format: the notes with
// their spelling, values and signs, and the key signature.
#include "score_writer_fixture.h"

namespace {

using MusicXmlWriter = ScoreWriterFixture;

TEST_F(MusicXmlWriter, MuseScoreReadsTheNotesAsTheStaffSpellsThemInEveryKey)
{
    struct Case {
        Key key;
        std::vector<std::pair<int, int>> melody;
        std::vector<MuseScoreNote> notes;
        std::optional<int> keySignature;
    };
    // Out-of-key notes keep the staff's spelling: the rows' sharps (C#, F#)
    // and flats (Eb, Ab, Bb), whatever the key. MuseScore keeps no key
    // signature for C major.
    const Case cases[] = {
        {KeyC, {{2, 48}, {2, 42}, {2, 46}}, {{48, 14, 2}, {42, 20, 2}, {46, 12, 2}}, std::nullopt},
        {KeyG, {{2, 43}, {1, 54}, {3, 53}, kRest, {4, 60}, {6, 46}, {8, 64}},
         {{43, 15, 2}, {54, 20, 1}, {53, 13, 3}, {0, 0, 2}, {60, 14, 4}, {46, 12, 6}, {64, 18, 8}}, 1},
        {KeyD, {{2, 49}, {2, 54}, {2, 48}}, {{49, 21, 2}, {54, 20, 2}, {48, 14, 2}}, 2},
        {KeyF, {{2, 46}, {2, 47}, {2, 56}}, {{46, 12, 2}, {47, 19, 2}, {56, 10, 2}}, -1},
        {KeyBb, {{2, 46}, {2, 51}, {2, 42}, {2, 52}}, {{46, 12, 2}, {51, 11, 2}, {42, 20, 2}, {52, 18, 2}}, -2},
        // No key signature.
        {KeyChromatic, {{2, 37}, {2, 39}, {2, 44}, {2, 61}, {8, 63}},
         {{37, 21, 2}, {39, 11, 2}, {44, 10, 2}, {61, 21, 2}, {63, 11, 8}}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(KeyName(c.key).toStdString());
        SetMelody(c.key, c.melody);
        const MuseScoreScore score = ImportedByMuseScore(QStringLiteral("key%1").arg(int(c.key)));
        EXPECT_EQ(score.notes, c.notes);
        EXPECT_EQ(score.keySignature, c.keySignature);
    }
}

TEST_F(MusicXmlWriter, MuseScoreShowsTheSignsTheStaffShowsAndThoseTheKeySignatureDoesNotGive)
{
    const struct {
        Key key;
        std::vector<std::pair<int, int>> melody;
        std::vector<std::string> signs;
    } cases[] = {
        // The natural after a sharp or flat on the same row, past a rest and
        // other rows; a sharp or flat every time.
        {KeyChromatic, {{2, 49}, {2, 48}, {2, 48}, {2, 39}, kRest, {2, 43}, {2, 40}, {2, 49}},
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
