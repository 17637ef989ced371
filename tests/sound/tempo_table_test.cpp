// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tempo steps, their beats per minute and the tempo names.
#include "sound/tempo_table.h"

#include <gtest/gtest.h>

namespace {

TEST(TempoNames, ChangeExactlyAtTheirThresholds)
{
    const std::pair<int, const char*> cases[] = {
        {272, "Prestissimo"}, {273, "Presto"},   {374, "Presto"},   {375, "Allegro"},
        {624, "Allegro"},     {625, "Moderato"}, {832, "Moderato"}, {833, "Andante"},
        {1159, "Andante"},    {1160, "Largo"},   {1499, "Largo"},   {1500, "Adagio"},
        {2000, "Adagio"},
    };
    for (const auto& [ms, name] : cases)
        EXPECT_EQ(GetTempoName(ms), QString::fromLatin1(name)) << ms;
}

TEST(TempoNames, NameTempiThatAreNoStep)
{
    EXPECT_EQ(GetTempoName(0), "Prestissimo");
    EXPECT_EQ(GetTempoName(-5), "Prestissimo");
    EXPECT_EQ(GetTempoName(650), "Moderato");
    EXPECT_EQ(GetTempoName(100000), "Adagio");
}

TEST(TempoSteps, RunFromFastestAtTheTopToSlowestAtTheBottom)
{
    EXPECT_EQ(TempoMsAt(0), 272);
    EXPECT_EQ(TempoBpmAt(0), 220);
    EXPECT_EQ(TempoMsAt(9), 600);
    EXPECT_EQ(TempoBpmAt(9), 100);
    EXPECT_EQ(TempoMsAt(12), 790);
    EXPECT_EQ(TempoMsAt(16), 1160);
    EXPECT_EQ(TempoMsAt(19), 2000);
    EXPECT_EQ(TempoBpmAt(19), 30);
    for (int position = 1; position < kTempoSteps; ++position) {
        EXPECT_GT(TempoMsAt(position), TempoMsAt(position - 1)) << position;
        EXPECT_LT(TempoBpmAt(position), TempoBpmAt(position - 1)) << position;
    }
}

TEST(TempoSteps, PositionOfEveryStepLeadsBackToIt)
{
    for (int position = 0; position < kTempoSteps; ++position)
        EXPECT_EQ(TempoPositionOf(TempoMsAt(position)), position);
}

TEST(TempoSteps, ATempoThatIsNoStepSitsAtTheSlowestStep)
{
    EXPECT_EQ(TempoPositionOf(650), kSlowestTempoPosition);
    EXPECT_EQ(TempoPositionOf(0), kSlowestTempoPosition);
    EXPECT_EQ(TempoPositionOf(789), kSlowestTempoPosition);
}

TEST(TempoSteps, PositionsOutsideTheBarAreTakenAsItsEnds)
{
    EXPECT_EQ(TempoMsAt(-1), 272);
    EXPECT_EQ(TempoMsAt(20), 2000);
    EXPECT_EQ(TempoBpmAt(1000), 30);
}

}
