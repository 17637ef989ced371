// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The listener hears every note of the fingerboard, rendered by the
// program's synthesizer from each soundfont's cello in each way of
// playing: named right, never an octave off, one note for each note.
// One soundfont a test, so that they run side by side. On the bowed
// string, a chromatic run slurred in one bow, every note well out of tune,
// is heard note by note, and a string that slips into its octave in a
// slide is still heard as its note.
#include "support/bowed_cello.h"
#include "support/cello_material.h"
#include "support/playing_ways.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

constexpr double kLeastShareNamed = 0.98;
constexpr int kNotesPerTake = 25;

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

TEST(BowedListening, SlurredSemitoneStepsOutOfTuneAreEachHeard)
{
    // Down from A3, each note 25 to 35 cents off the other way from the
    // last: steps of 40 cents between neighbours.
    constexpr double kOff[] = {30, -30, 35, -25, 30, -35, 25, -30};
    std::vector<BowedNote> played;
    CelloRecording recording;
    for (std::size_t i = 0; i < std::size(kOff); ++i) {
        BowedNote note;
        note.pitch = 57 - int(i);
        note.cents = kOff[i];
        note.startSeconds = 0.5 + 0.35 * double(i);
        note.seconds = 0.35;
        note.slurred = i > 0;
        played.push_back(note);
        RenderedNote heard;
        heard.pitch = note.pitch;
        heard.startFrame = heard.onsetFrame = std::int64_t(note.startSeconds * kBowedSampleRate);
        heard.releaseFrame = std::int64_t((note.startSeconds + note.seconds) * kBowedSampleRate);
        recording.notes.push_back(heard);
    }
    recording.samples = RenderBowedCello(played, CelloBody::Large, RoomSound(), 0.5);
    const ListeningScore score = ScoreListening(recording);
    EXPECT_EQ(score.named, score.notes) << score.firstRight << " right first, " << score.single << " heard once";
}

TEST(BowedListening, AStringSlippingIntoItsOctaveInASlideKeepsItsNote)
{
    // In these takes a string slips into its second mode as the finger
    // slides, and sounds its octave for the rest of the note.
    for (unsigned take : {1u, 4u}) {
        const ListeningScore score = ScoreListening(PlayBowedTake(CelloWay::SlideIn, kNotesPerTake, take));
        EXPECT_EQ(score.octaveErrors, 0) << "take " << take;
    }
}

INSTANTIATE_TEST_SUITE_P(SoundFonts, ListeningAccuracy, testing::ValuesIn(CelloSoundFonts()),
                         [](const testing::TestParamInfo<CelloSoundFont>& font) { return std::string(font.param.name); });

} // namespace
