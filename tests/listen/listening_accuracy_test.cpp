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

#include <QFile>
#include <algorithm>
#include <cmath>
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

// A string sliding up into Eb3 that slips into its second mode as it
// slides: its odd harmonics, the fundamental among them, fall almost to
// nothing before the slide ends, and the sound repeats nearly as well at
// half the period.
CelloRecording SlideSlippingIntoOctave()
{
    constexpr double kRate = kBowedSampleRate, kLeadIn = 0.5, kSlide = 0.15, kSlip = 0.1, kHeld = 0.6;
    constexpr double kFrom = 50, kTo = 51, kSlippedOdd = 0.03, kLevel = 0.05, kAttack = 0.01;
    constexpr int kHarmonics = 8;
    CelloRecording recording;
    recording.samples.assign(std::size_t((kLeadIn + kSlide + kHeld + kLeadIn) * kRate), 0.0f);
    double phase = 0;
    for (std::size_t i = 0; i < std::size_t((kSlide + kHeld) * kRate); ++i) {
        const double t = double(i) / kRate;
        const double pitch = kFrom + (kTo - kFrom) * std::min(t / kSlide, 1.0);
        phase += 2 * M_PI * 440 * std::pow(2, (pitch - 69) / 12) / kRate;
        const double odd = 1 - (1 - kSlippedOdd) * std::clamp((t - kSlip) / (kSlide - kSlip), 0.0, 1.0);
        double sample = 0;
        for (int h = 1; h <= kHarmonics; ++h)
            sample += (h % 2 ? odd : 1.0) * std::sin(h * phase) / h;
        recording.samples[std::size_t(kLeadIn * kRate) + i] = float(kLevel * std::min(t / kAttack, 1.0) * sample);
    }
    RenderedNote note;
    note.pitch = int(kTo);
    note.startFrame = std::int64_t(kLeadIn * kRate);
    note.onsetFrame = std::int64_t((kLeadIn + kSlide) * kRate);
    note.releaseFrame = std::int64_t((kLeadIn + kSlide + kHeld) * kRate);
    recording.notes.push_back(note);
    return recording;
}

TEST(BowedListening, AStringSlippingIntoItsOctaveInASlideKeepsItsNote)
{
    const ListeningScore score = ScoreListening(SlideSlippingIntoOctave());
    EXPECT_EQ(score.octaveErrors, 0);
    EXPECT_EQ(score.named, 1);
}

INSTANTIATE_TEST_SUITE_P(SoundFonts, ListeningAccuracy, testing::ValuesIn(CelloSoundFonts()),
                         [](const testing::TestParamInfo<CelloSoundFont>& font) { return std::string(font.param.name); });

} // namespace
