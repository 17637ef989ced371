// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The MusicXML score exported from the document, imported by an
// independent reader, MuseScore 3 (Debian's musescore3), and saved in its
// own format: the notes as playback gives them, the title, the composer
// and the tempo it took from the file.
#include "export_fixture.h"

namespace {

using MusicXmlTest = ExportFixture;

TEST_F(MusicXmlTest, MuseScoreReadsTheNotesAsPlaybackGivesThem)
{
    // A note with the rest's value lasts a quarter, as playback gives it; a
    // pitch off the staff is left out.
    SetMelody(KeyChromatic, {{2, 37}, {2, 39}, {2, 44}, {999, 61}, {2, 70}, {8, 63}});
    const MuseScoreScore score = ImportedByMuseScore(QStringLiteral("key%1").arg(int(KeyChromatic)));
    const std::vector<MuseScoreNote> notes = {{37, 21, 2}, {39, 11, 2}, {44, 10, 2}, {61, 21, 2}, {63, 11, 8}};
    EXPECT_EQ(score.notes, notes);
    EXPECT_FALSE(score.keySignature.has_value());
}

TEST_F(MusicXmlTest, MuseScoreReadsTheTitleTheComposerAndTheTempo)
{
    SetMelody(KeyG, {{2, 43}});
    m_doc.m_strMelodyTitle = QString::fromUtf8("Élégie & <Rondo>");
    m_doc.m_strMelodyComposer = QString::fromUtf8("Anna Řezníčková");
    m_doc.m_nTempo = 272;
    const MuseScoreScore score = ImportedByMuseScore(QStringLiteral("titled"));
    EXPECT_EQ(score.title.toStdString(), "Élégie & <Rondo>");
    EXPECT_EQ(score.composer.toStdString(), "Anna Řezníčková");
    // The tempo dialog calls 272 ms 220 a minute, though 60000 / 272 is 220.6.
    EXPECT_NEAR(score.beatsPerSecond * 60, 220, 0.01);
}

} // namespace
