// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Standard MIDI File read back by an independent reader, mido (Debian's
// python3-mido): the notes, their lengths in ticks, the tempo and the
// instrument, as playback would sound them.
#include "export_fixture.h"
#include "sound/midi_device.h"
#include "support/external_tool.h"

namespace {

// Debian's python, which has python3-mido.
const QString kPython = QStringLiteral("/usr/bin/python3");
// One line per note: its channel, pitch, start and length in ticks, and the
// velocities it starts and ends with; one per other message: its time, kind
// and values.
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

// What the reader printed, line by line.
std::string ReadMidi(const QString& path)
{
    const ToolRun run = RunExternalTool(kPython, {QStringLiteral("-c"), kReadBack, path});
    EXPECT_TRUE(run.Succeeded()) << run.err.toStdString() << " (scripts/install-deps installs python3-mido)";
    return run.out.toStdString();
}

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

// The most bytes any time in the track takes: a file may use four at most.
const QString kLongestTime = QStringLiteral(R"(
import sys
data = open(sys.argv[1], 'rb').read()
at, longest = data.index(b'MTrk') + 8, 0
def number():
    global at
    value, start = 0, at
    while True:
        byte = data[at]; at += 1
        value = value << 7 | byte & 0x7F
        if byte < 0x80:
            return value, at - start
while at < len(data):
    longest = max(longest, number()[1])
    status = data[at]; at += 1
    if status == 0xFF:
        at += 1
        length = number()[0]
        at += length
    else:
        at += 1 if status & 0xF0 == 0xC0 else 2
print(longest)
)");

TEST_F(MidiFileTest, ASilenceLongerThanFourBytesOfTimeIsBridged)
{
    // 600,000 quarter rests: 288,000,000 ticks, past the 268,435,455 that
    // four bytes carry.
    std::vector<std::pair<int, int>> melody(600000, {999, 999});
    melody.push_back({2, 48});
    SetMelody(KeyC, melody);
    const QString path = Export("silence.mid", ExportFormat::MidiFile);
    const std::string read = ReadMidi(path);
    EXPECT_NE(read.find(Note(48, 288000000, 480).replace("note 3", "note 0").toStdString()), std::string::npos)
        << read;
    const ToolRun longest = RunExternalTool(kPython, {QStringLiteral("-c"), kLongestTime, path});
    EXPECT_EQ(longest.out.trimmed(), "4");
}

} // namespace
