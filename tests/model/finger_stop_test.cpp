// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/finger_stop.h"
#include "model/key.h"
#include "model/note_names.h"
#include "model/pitch.h"

#include <gtest/gtest.h>

namespace {

CObjectList<CFingerStop> Stops()
{
    CObjectList<CFingerStop> list;
    BuildFingerStops(list);
    return list;
}

TEST(FingerStops, LayoutOfAllStops)
{
    const auto stops = Stops();
    ASSERT_EQ(stops.size(), 28u);
    const char* const labels[7] = {"0", "1", "1", "2", "3", "4", "4"};
    const StopKind kinds[7] = {StopOpenString, StopExtension, StopFinger, StopFinger, StopFinger, StopFinger, StopExtension};
    for (int i = 0; i < 28; ++i) {
        const CFingerStop& stop = *stops[i];
        const int s = i / 7, k = i % 7;
        EXPECT_EQ(stop.GetPitch(), 36 + i) << "stop " << i;
        EXPECT_EQ(stop.GetFingerLabel(), labels[k]) << "stop " << i;
        EXPECT_EQ(stop.GetKind(), kinds[k]) << "stop " << i;
        EXPECT_EQ(stop.GetRect().CenterPoint(), CPoint(30 + 40 * s, 20 + 50 * k)) << "stop " << i;
        EXPECT_EQ(stop.GetRect().Width(), kinds[k] == StopFinger ? 32 : 20) << "stop " << i;
        EXPECT_EQ(stop.GetRect().Height(), stop.GetRect().Width()) << "stop " << i;
        EXPECT_TRUE(stop.GetNoteName().isEmpty());
    }
    EXPECT_EQ(stops[0]->GetRect(), CRect(20, 10, 40, 30));
    EXPECT_EQ(stops[11]->GetRect(), CRect(54, 204, 86, 236));
    EXPECT_EQ(stops[27]->GetRect(), CRect(140, 310, 160, 330));
    EXPECT_EQ(stops[27]->GetPitch(), kHighestStopPitch);
}

TEST(FingerStops, NamesAndCMajorMarks)
{
    auto stops = Stops();
    for (auto& stop : stops) {
        stop->SetNoteName(NoteNameOfPitch(stop->GetPitch()));
        stop->SetKeyStatus(KeyStatusOfName(KeyC, stop->GetNoteName()));
    }
    const char* const dString[7] = {"D", "Eb", "E", "F", "F#", "G", "Ab"};
    const int cStringMarks[7] = {2, 3, 2, 3, 2, 2, 3};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(stops[14 + k]->GetNoteName(), dString[k]) << "k " << k;
        EXPECT_EQ(stops[k]->GetKeyStatus(), cStringMarks[k]) << "k " << k;
    }
    EXPECT_EQ(stops[11]->GetNoteName(), "B");
    EXPECT_EQ(stops[27]->GetNoteName(), "Eb");
}

TEST(FingerStops, FindByPitch)
{
    const auto stops = Stops();
    for (int pitch = kLowestStopPitch; pitch <= kHighestStopPitch; ++pitch) {
        const CFingerStop* stop = FindStopOfPitch(stops, pitch);
        ASSERT_NE(stop, nullptr) << "pitch " << pitch;
        EXPECT_EQ(stop->GetPitch(), pitch);
    }
    for (int pitch : {kHighestStaffPitch, kRestPitch, kNoPitch, 35})
        EXPECT_EQ(FindStopOfPitch(stops, pitch), nullptr) << "pitch " << pitch;
}

TEST(FingerStops, HitTestEdges)
{
    const auto stops = Stops();
    EXPECT_EQ(FindStopAt(stops, CPoint(20, 10)), stops[0].get());   // left/top included
    EXPECT_EQ(FindStopAt(stops, CPoint(39, 29)), stops[0].get());
    EXPECT_EQ(FindStopAt(stops, CPoint(40, 20)), nullptr);           // right excluded
    EXPECT_EQ(FindStopAt(stops, CPoint(30, 30)), nullptr);           // bottom excluded
    EXPECT_EQ(FindStopAt(stops, CPoint(19, 20)), nullptr);
    EXPECT_EQ(FindStopAt(stops, CPoint(30, 45)), nullptr);           // between stops
    for (const auto& stop : stops)
        EXPECT_EQ(FindStopAt(stops, stop->GetRect().CenterPoint()), stop.get()) << "pitch " << stop->GetPitch();
}

}  // namespace
