// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/real_time_pacer.h"

#include <algorithm>

namespace {
// An output that held the writer for a quarter of a block is pacing it.
constexpr int kBlockedFraction = 4;
} // namespace

CRealTimePacer::CRealTimePacer(int sampleRate, int blockFrames, Clock::duration maxLead)
    : m_nSampleRate(sampleRate),
      m_blockedAtLeast(std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(blockFrames)) / sampleRate
                       / kBlockedFraction),
      m_maxLead(maxLead)
{
}

CRealTimePacer::Clock::duration CRealTimePacer::WaitBeforeBlock(Clock::time_point now)
{
    if (m_bStarted) {
        const Clock::duration inOutput = now - m_lastRendered;
        // Whatever the clock says, an output that blocks has room for no
        // more than its own buffer: nothing is ahead that it has not asked for.
        if (inOutput >= m_blockedAtLeast)
            m_lead = Clock::duration::zero();
        else
            m_lead = std::max(Clock::duration::zero(), m_lead - (now - m_lastAsked));
    }
    m_lastAsked = now;
    return m_lead > m_maxLead ? m_lead - m_maxLead : Clock::duration::zero();
}

void CRealTimePacer::BlockRendered(int frames, Clock::time_point now)
{
    m_lead += std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(frames)) / m_nSampleRate;
    m_lastRendered = now;
    m_bStarted = true;
}
