// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Standard MIDI File exported from the document, read back by an
// independent reader, mido (Debian's python3-mido): the notes, their
// lengths in ticks, the tempo and the instrument, as playback would sound
// them.
#include "export_fixture.h"
#include "sound/midi_device.h"

namespace {

std::string Lines(const QStringList& lines)
{
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toStdString();
}

// A note on channel 3 as the reader prints it; velocities are the program's 127.
QString Note(int pitch, int start, int length)
{
    return QStringLiteral("note 3 %1 %2 %3 127 127").arg(pitch).arg(start).arg(length);
}

using MidiFileTest = ExportFixture;

TEST_F(MidiFileTest, EveryNoteLastsWhatPlaybackGivesItOnTheChosenInstrumentAndChannel)
{
    // Every value; rests, also a note with the rest's value, last a quarter;
    // a pitch that no staff row shows is not played, so it is left out.
    SetMelody(KeyChromatic, {{2, 48}, {1, 49}, {3, 51}, {999, 999}, {4, 54}, {6, 56}, {8, 36},
                             {999, 60}, {2, 70}, {2, 64}, {999, 999}});
    m_doc.m_nTempo = 375;
    m_doc.m_strMelodyTitle = QString::fromUtf8("Élégie");
    m_doc.m_pMidiDevice->SetChannel(3);
    m_doc.m_pMidiDevice->SetProgram(42);

    // 480 ticks a quarter, 240 an eighth, one playback tick. A tick lasts
    // 375 / 2 = 187 whole milliseconds, so a quarter 374.
    EXPECT_EQ(ReadMidi(Export("elegie.mid", ExportFormat::MidiFile)),
              Lines({"file 0 480 1", QString::fromUtf8("0 track_name Élégie"), "0 set_tempo 374000",
                     "0 program_change 42 3", Note(48, 0, 480), Note(49, 480, 240), Note(51, 720, 720),
                     Note(54, 1920, 960), Note(56, 2880, 1440), Note(36, 4320, 1920), Note(60, 6240, 480),
                     Note(64, 6720, 480), "7680 end_of_track", "still sounding 0"}));
}

TEST_F(MidiFileTest, AnEmptyMelodyIsTheTempoAndTheInstrumentAlone)
{
    SetMelody(KeyC, {});
    EXPECT_EQ(ReadMidi(Export("empty.mid", ExportFormat::MidiFile)),
              Lines({"file 0 480 1", "0 set_tempo 600000", "0 key_signature C", "0 program_change 5 0", "0 end_of_track",
                     "still sounding 0"}));
}

} // namespace
