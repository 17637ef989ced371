// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Words sent to the synthesizer before its soundfont has loaded: what is
// still to sound then, in order.
#include "sound/pending_midi_words.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Words = std::vector<DWORD>;

constexpr DWORD kCello = 0x007F2AC0;
constexpr DWORD kOn60 = 0x007F3C90, kOff60 = 0x007F3C80, kOn62 = 0x007F3E90;

TEST(PendingMidiWords, KeepWhatIsStillToSoundInOrder)
{
    const struct {
        const char* name;
        Words sent;
        Words kept;
    } cases[] = {
        { "a held note after its program change", { kCello, kOn60 }, { kCello, kOn60 } },
        { "a stopped note goes with its stop", { kCello, kOn60, kOff60 }, { kCello } },
        { "a note-on of velocity 0 stops too", { kOn60, 0x00003C90 }, {} },
        { "the device stops a note before the next", { kOn60, kOff60, kOn62 }, { kOn62 } },
        { "a stop of nothing that waits is dropped", { kOff60, kOn62 }, { kOn62 } },
        { "another key or channel is not stopped", { kOn60, 0x007F3E80, 0x007F3C81 }, { kOn60 } },
        { "the later of two starts is stopped", { kOn60, kCello, kOn60, kOff60 }, { kOn60, kCello } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CPendingMidiWords pending;
        for (DWORD word : c.sent)
            pending.Add(word);
        EXPECT_EQ(pending.Take(), c.kept);
        EXPECT_TRUE(pending.Take().empty()) << "taken words are gone";
    }
}

} // namespace
