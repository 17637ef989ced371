// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which bytes of a packed word reach the wire.
#include "sound/midi_short_message.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Bytes(DWORD word)
{
    const CMidiBytes m = UnpackShortMessage(word);
    return std::vector<int>(m.bytes.begin(), m.bytes.begin() + long(m.size));
}

TEST(ShortMessage, NotesAreThreeBytesAndProgramChangeTwo)
{
    EXPECT_EQ(Bytes(0x007F3C90), std::vector<int>({ 0x90, 0x3C, 0x7F }));
    EXPECT_EQ(Bytes(0x007F3C8F), std::vector<int>({ 0x8F, 0x3C, 0x7F }));
    // The spare 7Fh of the program-change word stays behind.
    EXPECT_EQ(Bytes(0x007F2AC0), std::vector<int>({ 0xC0, 0x2A }));
    EXPECT_EQ(Bytes(0x00000BB0 | 0x00400000), std::vector<int>({ 0xB0, 0x0B, 0x40 }));
    EXPECT_EQ(Bytes(0x00000FD3), std::vector<int>({ 0xD3, 0x0F }));
    EXPECT_EQ(Bytes(0x000000FE), std::vector<int>({ 0xFE }));
}

TEST(ShortMessage, WordsThatWouldCorruptTheStreamAreRefused)
{
    EXPECT_TRUE(Bytes(0x007F3C3C).empty()) << "no status byte";
    EXPECT_TRUE(Bytes(0x000000F0).empty()) << "system exclusive is not a short message";
    EXPECT_TRUE(Bytes(0x007FE790).empty()) << "a note number above 127 would read as a status";
    EXPECT_TRUE(Bytes(0x00803C90).empty()) << "a velocity above 127 would read as a status";
    EXPECT_TRUE(Bytes(0x007FC8C0).empty()) << "a program above 127 would read as a status";
}

} // namespace
