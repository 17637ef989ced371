// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/leitner_boxes.h"

#include <algorithm>

int NextLeitnerBox(int box, bool right, int responseMs)
{
    if (!right)
        return kFirstLeitnerBox;
    if (responseMs > kSlowAnswerMs)
        return std::max(kFirstLeitnerBox, box - 1);
    return std::min(kLastLeitnerBox, box + 1);
}

int LeitnerWeight(int box)
{
    return 1 << (kLastLeitnerBox - std::clamp(box, kFirstLeitnerBox, kLastLeitnerBox));
}

int CLeitnerBoxes::BoxOf(int key, int pitch) const
{
    const auto it = m_boxes.find({key, pitch});
    return it == m_boxes.end() ? kFirstLeitnerBox : it->second;
}

void CLeitnerBoxes::SetBox(int key, int pitch, int box)
{
    m_boxes[{key, pitch}] = std::clamp(box, kFirstLeitnerBox, kLastLeitnerBox);
}

void CLeitnerBoxes::Take(int key, int pitch, bool right, int responseMs)
{
    SetBox(key, pitch, NextLeitnerBox(BoxOf(key, pitch), right, responseMs));
    if (!right) {
        Forget(key, pitch);
        m_missed.push_back({key, pitch, m_questions + kMissedNoteComesBackAfter});
    }
}

void CLeitnerBoxes::Forget(int key, int pitch)
{
    m_missed.erase(std::remove_if(m_missed.begin(), m_missed.end(),
                                  [&](const Missed& m) { return m.key == key && m.pitch == pitch; }),
                   m_missed.end());
}

int CLeitnerBoxes::TakeDueMissed(int key, const std::vector<int>& pitches, int lastAsked)
{
    for (const Missed& missed : m_missed) {
        const bool asked = std::find(pitches.begin(), pitches.end(), missed.pitch) != pitches.end();
        if (missed.key == key && missed.due <= m_questions && missed.pitch != lastAsked && asked)
            return missed.pitch;
    }
    return 0;
}

int CLeitnerBoxes::Choose(int key, const std::vector<int>& pitches, std::mt19937& generator)
{
    if (pitches.empty())
        return 0;
    ++m_questions;
    const auto last = m_lastAsked.find(key);
    const int lastAsked = last == m_lastAsked.end() ? 0 : last->second;
    int chosen = TakeDueMissed(key, pitches, lastAsked);
    if (chosen == 0) {
        std::vector<int> weights;
        for (int pitch : pitches)
            weights.push_back(pitch == lastAsked && pitches.size() > 1 ? 0 : LeitnerWeight(BoxOf(key, pitch)));
        std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
        chosen = pitches[pick(generator)];
    }
    // Asked, it needs no coming back.
    Forget(key, chosen);
    m_lastAsked[key] = chosen;
    return chosen;
}

void CLeitnerBoxes::Clear()
{
    m_boxes.clear();
    m_missed.clear();
    m_lastAsked.clear();
}
