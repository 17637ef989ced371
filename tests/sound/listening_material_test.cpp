// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The listener is measured, without the program around it, on a cello
// rendered by FluidSynth set up as the built-in synthesizer sets itself up:
// that material is, sample for sample, what the synthesizer itself plays,
// from every soundfont and in every way of playing.
#include "model/pitch.h"
#include "support/fluid_cello.h"
#include "support/program_cello.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(ListeningMaterial, IsWhatTheBuiltInSynthesizerPlays)
{
    const std::vector<int> pitches = {kLowestStopPitch, 45, 52, kHighestStopPitch};
    for (const CelloSoundFont& font : CelloSoundFonts()) {
        ASSERT_TRUE(QFile::exists(font.path)) << font.path << " missing (scripts/install-deps installs it)";
        for (CelloPlaying playing : kCelloPlayings) {
            SCOPED_TRACE(std::string(font.name) + " " + CelloPlayingName(playing));
            const auto material = CFluidCello::Load(font.path);
            const auto program = CProgramCello::Load(font.path);
            ASSERT_TRUE(material && program);
            const CelloRecording own = RenderCelloOn(*material, playing, pitches);
            const CelloRecording played = RenderCelloOn(*program, playing, pitches);
            ASSERT_EQ(own.samples.size(), played.samples.size());
            std::size_t differing = 0;
            for (std::size_t i = 0; i < own.samples.size(); ++i)
                differing += own.samples[i] != played.samples[i];
            EXPECT_EQ(differing, 0u) << "of " << own.samples.size() << " samples";
        }
    }
}

} // namespace
