// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pace of the synthesizer's audio thread, on a simulated clock: an
// output that plays in real time is never slowed down, one that swallows
// samples at once is fed no faster than real time.
#include "sound/real_time_pacer.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace std::chrono_literals;
using Clock = CRealTimePacer::Clock;

constexpr int kRate = 48000;
constexpr int kBlock = 240;
constexpr Clock::duration kBlockTime = 5ms;
constexpr Clock::duration kRenderTime = 100us;
constexpr Clock::duration kMaxLead = 50ms;

struct Output {
    const char* name;
    // How long the output holds the writer of block n.
    std::function<Clock::duration(long n)> holds;
    bool paces;
    Clock::duration audio;
    // For an output that does not pace: the least share of real time that
    // rendering the audio must take (a thread that spins takes a fiftieth).
    double leastShareOfRealTime;
};

TEST(RealTimePacer, SlowsOnlyAnOutputThatDoesNotPace)
{
    const Output outputs[] = {
        { "null device", [](long) { return Clock::duration::zero(); }, false, 10s, 0.99 },
        // Each stall looks like an output that paces, which then lets the
        // thread run ahead by the lead once more.
        { "null device, thread stalled now and then",
          [](long n) { return n % 50 == 0 ? 20ms : Clock::duration::zero(); }, false, 10s, 0.8 },
        { "sound card", [](long) { return kBlockTime - kRenderTime; }, true, 60s, 0 },
        { "sound card whose clock runs 0.1% fast", [](long) { return kBlockTime * 999 / 1000 - kRenderTime; },
          true, 3600s, 0 },
    };
    for (const Output& output : outputs) {
        SCOPED_TRACE(output.name);
        CRealTimePacer pacer(kRate, kBlock, kMaxLead);
        const Clock::time_point start{};
        Clock::time_point now = start;
        Clock::duration waited{};
        const long blocks = long(output.audio / kBlockTime);
        for (long n = 0; n < blocks; ++n) {
            const Clock::duration wait = pacer.WaitBeforeBlock(now);
            waited += wait;
            now += wait + kRenderTime;
            pacer.BlockRendered(kBlock, now);
            now += output.holds(n);
        }
        if (output.paces)
            EXPECT_EQ(waited, Clock::duration::zero()) << "an output that paces must never starve";
        else
            EXPECT_GE((now - start) / 1.0, output.audio * output.leastShareOfRealTime) << "rendered ahead of real time";
    }
}

} // namespace
