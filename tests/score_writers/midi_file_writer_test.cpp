// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Standard MIDI File writer's file read back by independent readers:
// mido (Debian's python3-mido), and a count of the bytes of each time.
#include "score_writer_fixture.h"

namespace {

using MidiFileWriter = ScoreWriterFixture;

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

TEST_F(MidiFileWriter, ASilenceLongerThanFourBytesOfTimeIsBridged)
{
    // 600,000 quarter rests: 288,000,000 ticks, past the 268,435,455 that
    // four bytes carry.
    std::vector<std::pair<int, int>> melody(600000, kRest);
    melody.push_back({2, 48});
    SetMelody(KeyC, melody);
    const QString path = MidiFileIn(Meter(), "silence.mid");
    const std::string read = ReadMidi(path);
    EXPECT_NE(read.find("note 0 48 288000000 480 127 127"), std::string::npos) << read;
    const ToolRun longest = RunExternalTool(kPython, {QStringLiteral("-c"), kLongestTime, path});
    EXPECT_EQ(longest.out.trimmed(), "4");
}

} // namespace
