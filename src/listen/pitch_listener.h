// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hears the notes in a stream of mono samples at CPitchReader::kSampleRate,
// fed in blocks of any size: the detector's readings, one per hop, go to
// the note tracker. The same object serves the live input and the tests.
#include "listen/note_tracker.h"
#include "listen/pitch_reading.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CPitchListener {
public:
    static constexpr int kSampleRate = CPitchReader::kSampleRate;

    // Appends the events that the samples complete.
    void Feed(const float* samples, std::size_t count, std::vector<ListenEvent>& events);
    std::vector<ListenEvent> Feed(const std::vector<float>& samples);
    // Samples taken so far.
    std::int64_t FramesHeard() const { return m_nFrames; }
    int HeldNote() const { return m_tracker.HeldNote(); }

private:
    CPitchReader m_reader;
    CNoteTracker m_tracker;
    std::vector<float> m_hop;
    std::int64_t m_nFrames = 0;
};
