// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The listener hears every note of the fingerboard, rendered by the
// program's synthesizer from each soundfont's cello in each way of
// playing: named right, never an octave off, one note for each note.
// One soundfont a test, so that they run side by side.
#include "support/cello_material.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

constexpr double kLeastShareNamed = 0.98;

class ListeningAccuracy : public testing::TestWithParam<CelloSoundFont> {};

TEST_P(ListeningAccuracy, EveryNoteInEveryWayOfPlaying)
{
    const CelloSoundFont& font = GetParam();
    ASSERT_TRUE(QFile::exists(font.path)) << font.path << " missing (scripts/install-deps installs it)";
    int notes = 0, named = 0;
    for (CelloPlaying playing : kCelloPlayings) {
        SCOPED_TRACE(CelloPlayingName(playing));
        const CelloRecording recording = RenderCello(font.path, playing);
        ASSERT_FALSE(recording.samples.empty()) << "the soundfont did not load";
        const ListeningScore score = ScoreListening(recording);
        EXPECT_EQ(score.octaveErrors, 0);
        if (playing == CelloPlaying::Plain) {
            EXPECT_EQ(score.named, score.notes) << "a plainly bowed note is always heard right";
        }
        notes += score.notes;
        named += score.named;
    }
    EXPECT_GE(named, kLeastShareNamed * notes) << named << " of " << notes << " notes named right";
}

INSTANTIATE_TEST_SUITE_P(SoundFonts, ListeningAccuracy, testing::ValuesIn(CelloSoundFonts()),
                         [](const testing::TestParamInfo<CelloSoundFont>& font) { return std::string(font.param.name); });

} // namespace
