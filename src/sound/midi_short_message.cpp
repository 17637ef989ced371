// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/midi_short_message.h"

namespace {
constexpr BYTE kNoteOff = 0x80;
constexpr BYTE kNoteOn = 0x90;
constexpr BYTE kKindMask = 0xF0;

std::size_t MessageLength(BYTE status)
{
    switch (status & 0xF0) {
    case 0x80: // note off
    case 0x90: // note on
    case 0xA0: // key pressure
    case 0xB0: // controller
    case 0xE0: // pitch bend
        return 3;
    case 0xC0: // program change
    case 0xD0: // channel pressure
        return 2;
    default:
        break;
    }
    // System real-time messages are a status byte alone; system common and
    // exclusive messages are not short channel messages: refuse them.
    return status >= 0xF8 ? 1 : 0;
}
} // namespace

CMidiBytes UnpackShortMessage(DWORD word)
{
    CMidiBytes out;
    const BYTE status = BYTE(word & 0xFF);
    const std::size_t length = MessageLength(status);
    if (length == 0)
        return out;
    for (std::size_t i = 0; i < length; ++i)
        out.bytes[i] = BYTE((word >> (8 * i)) & 0xFF);
    for (std::size_t i = 1; i < length; ++i) {
        if (out.bytes[i] & 0x80)
            return CMidiBytes{};
    }
    out.size = length;
    return out;
}

bool IsNoteOn(const CMidiBytes& message)
{
    return message.size == 3 && (message.bytes[0] & kKindMask) == kNoteOn && message.bytes[2] != 0;
}

bool IsNoteOff(const CMidiBytes& message)
{
    const BYTE kind = message.bytes[0] & kKindMask;
    return message.size == 3 && (kind == kNoteOff || (kind == kNoteOn && message.bytes[2] == 0));
}
