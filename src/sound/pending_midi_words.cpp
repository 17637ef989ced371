// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/pending_midi_words.h"

#include "sound/midi_short_message.h"

#include <algorithm>
#include <utility>

namespace {

// Same channel, same key.
bool SameNote(const CMidiBytes& a, const CMidiBytes& b)
{
    return (a.bytes[0] & 0x0F) == (b.bytes[0] & 0x0F) && a.bytes[1] == b.bytes[1];
}

} // namespace

void CPendingMidiWords::Add(DWORD word)
{
    const CMidiBytes message = UnpackShortMessage(word);
    if (!IsNoteOff(message)) {
        m_words.push_back(word);
        return;
    }
    // Nothing sounds yet that a stop could end: it only cancels its start.
    const auto start = std::find_if(m_words.rbegin(), m_words.rend(), [&message](DWORD pending) {
        const CMidiBytes earlier = UnpackShortMessage(pending);
        return IsNoteOn(earlier) && SameNote(earlier, message);
    });
    if (start != m_words.rend())
        m_words.erase(std::next(start).base());
}

std::vector<DWORD> CPendingMidiWords::Take()
{
    return std::exchange(m_words, {});
}
