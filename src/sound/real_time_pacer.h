// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps an audio render loop from running ahead of real time on an output
// that takes samples faster than it plays them (ALSA's null device, some
// broken set-ups), where it would otherwise spin a whole core. An output
// that blocks its writer sets the pace itself and is never slowed down.
#include <chrono>

class CRealTimePacer {
public:
    using Clock = std::chrono::steady_clock;

    // Blocks of blockFrames at sampleRate; at most maxLead of sound is
    // rendered ahead of the clock on an output that does not pace.
    CRealTimePacer(int sampleRate, int blockFrames, Clock::duration maxLead);

    // As the output asks for the next block: how long to wait before
    // rendering it.
    Clock::duration WaitBeforeBlock(Clock::time_point now);
    // When that block of frames is rendered, after the wait.
    void BlockRendered(int frames, Clock::time_point now);

private:
    int m_nSampleRate;
    Clock::duration m_blockedAtLeast;
    Clock::duration m_maxLead;
    // Sound rendered ahead of the clock since the output last blocked.
    Clock::duration m_lead{};
    Clock::time_point m_lastAsked;
    Clock::time_point m_lastRendered;
    bool m_bStarted = false;
};
