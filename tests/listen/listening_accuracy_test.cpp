// The listener hears every note of the fingerboard, rendered by the
// program's synthesizer from each soundfont's cello in each way of
// playing: named right, never an octave off, one note for each note.
#include "support/cello_material.h"

#include <QFile>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr double kLeastShareNamed = 0.98;

TEST(ListeningAccuracy, EveryNoteOfEverySoundFontAndWayOfPlaying)
{
    const CelloPlaying playings[] = {CelloPlaying::Plain, CelloPlaying::Vibrato, CelloPlaying::BowSwell,
                                     CelloPlaying::Noisy};
    int notes = 0, named = 0;
    std::vector<double> latencies;
    for (const CelloSoundFont& font : CelloSoundFonts()) {
        if (!QFile::exists(font.path)) {
            ADD_FAILURE() << font.path << " missing (scripts/install-deps installs it)";
            continue;
        }
        for (CelloPlaying playing : playings) {
            SCOPED_TRACE(std::string(font.name) + ", " + CelloPlayingName(playing));
            const CelloRecording recording = RenderCello(font.path, playing);
            ASSERT_FALSE(recording.samples.empty()) << "the soundfont did not load";
            const ListeningScore score = ScoreListening(recording);
            std::printf("%-10s %-9s named %2d/%d  octave errors %d  latency median %3.0f ms, max %3.0f ms\n",
                        font.name, CelloPlayingName(playing), score.named, score.notes, score.octaveErrors,
                        Median(score.latenciesMs), Maximum(score.latenciesMs));
            EXPECT_EQ(score.octaveErrors, 0);
            if (playing == CelloPlaying::Plain) {
                EXPECT_EQ(score.named, score.notes) << "a plainly bowed note is always heard right";
            }
            notes += score.notes;
            named += score.named;
            latencies.insert(latencies.end(), score.latenciesMs.begin(), score.latenciesMs.end());
        }
    }
    std::printf("all                  named %d/%d  latency median %3.0f ms, max %3.0f ms\n", named, notes,
                Median(latencies), Maximum(latencies));
    EXPECT_GE(named, kLeastShareNamed * notes) << named << " of " << notes << " notes named right";
}

} // namespace
