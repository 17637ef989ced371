// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Unpacks a packed short-message word into the bytes that go on the wire.
// The status byte decides the length: note on/off, key pressure, controller
// and pitch bend are three bytes, program change and channel pressure two;
// the rest of the word (such as the spare 7Fh byte the device puts into its
// program-change word) is left behind.
#include "framework/types.h"

#include <array>
#include <cstddef>

struct CMidiBytes {
    std::array<BYTE, 3> bytes{};
    std::size_t size = 0; // 0: the word is not a message we can send
};

// Refuses words without a channel-voice or one-byte real-time status and
// words whose data bytes have the top bit set: such a byte would be read
// as a new status on the wire.
CMidiBytes UnpackShortMessage(DWORD word);

// A note-on that starts a note (velocity above 0).
bool IsNoteOn(const CMidiBytes& message);
// A note-off, or a note-on of velocity 0, which stops a note as well.
bool IsNoteOff(const CMidiBytes& message);
