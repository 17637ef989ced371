// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/meter.h"

namespace {
constexpr int kEighthsPerWhole = 8;
// Six or more eighths to the bar, by threes, are felt as dotted quarters.
constexpr int kCompoundBeats = 6;
constexpr int kEighthsPerCompoundBeat = 3;
constexpr int kEighth = 8;
} // namespace

int Meter::BarTicks() const
{
    return IsNone() ? 0 : beats * kEighthsPerWhole / beatType;
}

int Meter::BeamTicks() const
{
    if (IsNone())
        return 0;
    if (beatType == kEighth && beats % kEighthsPerCompoundBeat == 0 && beats >= kCompoundBeats)
        return kEighthsPerCompoundBeat;
    return kEighthsPerWhole / beatType;
}

const std::vector<Meter>& ExportMeters()
{
    static const std::vector<Meter> meters = {{}, {2, 4}, {3, 4}, {4, 4}, {6, 8}};
    return meters;
}

CString MeterText(const Meter& meter)
{
    return meter.IsNone() ? QStringLiteral("None") : QStringLiteral("%1/%2").arg(meter.beats).arg(meter.beatType);
}

std::optional<Meter> MeterOfText(const CString& text)
{
    for (const Meter& meter : ExportMeters()) {
        if (text == MeterText(meter))
            return meter;
    }
    return std::nullopt;
}
