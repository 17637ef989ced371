// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The tempo of the MusicXML score at every step of the tempo dialog: the
// metronome mark shows the dialog's figure and notation programs play it.
#include "export_fixture.h"
#include "support/file_bytes.h"

#include <QXmlStreamReader>

namespace {

struct Tempo {
    int perMinute = 0; // the metronome mark's figure
    int played = 0;    // the tempo of <sound>, a quarter note a minute
};

Tempo TempoOf(const QByteArray& score)
{
    Tempo tempo;
    QXmlStreamReader xml(score);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("per-minute"))
            tempo.perMinute = xml.readElementText().toInt();
        else if (xml.name() == QLatin1String("sound"))
            tempo.played = xml.attributes().value(QLatin1String("tempo")).toInt();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return tempo;
}

using MusicXmlTempoTest = ExportFixture;

TEST_F(MusicXmlTempoTest, EveryStepOfTheTempoDialogIsMarkedAndPlayedWithTheDialogsFigure)
{
    // The dialog's twenty steps as it shows them, and two lengths a melody
    // file may hold that are no step: 60000 / ms, rounded.
    const std::pair<int, int> cases[] = {
        {272, 220}, {288, 208}, {312, 192}, {340, 176}, {375, 160}, {416, 144},  {476, 126},
        {535, 112}, {576, 104}, {600, 100}, {625, 96},  {714, 84},  {790, 76},   {833, 72},
        {909, 66},  {1000, 60}, {1160, 52}, {1304, 46}, {1500, 40}, {2000, 30},  {273, 220},
        {1999, 30},
    };
    SetMelody(KeyC, {{2, 48}});
    for (const auto& [ms, perMinute] : cases) {
        m_doc.m_nTempo = ms;
        const Tempo tempo = TempoOf(ReadFileBytes(Export(QStringLiteral("tempo.musicxml"), ExportFormat::MusicXml)));
        EXPECT_EQ(tempo.perMinute, perMinute) << ms;
        EXPECT_EQ(tempo.played, perMinute) << ms;
    }
}

} // namespace
