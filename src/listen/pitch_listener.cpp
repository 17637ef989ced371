// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/pitch_listener.h"

void CPitchListener::Feed(const float* samples, std::size_t count, std::vector<ListenEvent>& events)
{
    for (std::size_t i = 0; i < count; ++i) {
        m_hop.push_back(samples[i]);
        ++m_nFrames;
        if (m_hop.size() == CPitchReader::kHopFrames) {
            m_tracker.Take(m_reader.Read(m_hop.data()), m_nFrames, events);
            m_hop.clear();
        }
    }
}

std::vector<ListenEvent> CPitchListener::Feed(const std::vector<float>& samples)
{
    std::vector<ListenEvent> events;
    Feed(samples.data(), samples.size(), events);
    return events;
}
