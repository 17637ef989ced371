// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/finger_stop.h"

#include "model/pitch.h"

namespace {

struct StopRow {
    int centreY;
    StopKind kind;
    int halfSize;
    const char* fingerLabel;
};

// The seven stops of every string from the nut downwards: the open string,
// a backward extension, fingers 1 to 4, and the extended fourth finger.
const StopRow kRows[] = {
    {20, StopOpenString, 10, "0"},
    {70, StopExtension, 10, "1"},
    {120, StopFinger, 16, "1"},
    {170, StopFinger, 16, "2"},
    {220, StopFinger, 16, "3"},
    {270, StopFinger, 16, "4"},
    {320, StopExtension, 10, "4"},
};

constexpr int kStrings = 4;
constexpr int kFirstStringX = 30;
constexpr int kStringSpacing = 40;

}  // namespace

void BuildFingerStops(CObjectList<CFingerStop>& list)
{
    // Seven semitones per string make each open string a fifth above the
    // last, so one counter runs through all strings without a gap.
    int pitch = kLowestStopPitch;
    for (int s = 0; s < kStrings; ++s) {
        const int x = kFirstStringX + kStringSpacing * s;
        for (const StopRow& row : kRows) {
            auto stop = std::make_unique<CFingerStop>();
            stop->SetRect(x - row.halfSize, row.centreY - row.halfSize,
                          x + row.halfSize, row.centreY + row.halfSize);
            stop->SetKind(row.kind);
            stop->SetFingerLabel(CString::fromLatin1(row.fingerLabel));
            stop->SetPitch(pitch++);
            list.push_back(std::move(stop));
        }
    }
}

CFingerStop* FindStopOfPitch(const CObjectList<CFingerStop>& list, int pitch)
{
    for (const auto& stop : list) {
        if (stop->GetPitch() == pitch)
            return stop.get();
    }
    return nullptr;
}

CFingerStop* FindStopAt(const CObjectList<CFingerStop>& list, CPoint p)
{
    for (const auto& stop : list) {
        if (stop->GetRect().PtInRect(p))
            return stop.get();
    }
    return nullptr;
}
