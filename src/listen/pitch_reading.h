// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One reading of the sound per hop: its pitch by aubio's YIN detector
// (computed in the spectral domain, "yinfast"), how sure the detector is,
// and how loud the sound is. At the start of a note YIN may take two or
// three periods for one (a bow that grips too hard makes the string
// repeat only every second or third time) or, where the fundamental is
// weak, half a period for one: a note an octave or a twelfth off. The
// reading takes, among these periods, the shortest at which the sound
// repeats about as well as at its best.
#include <cstddef>
#include <memory>

struct PitchReading {
    // Fractional MIDI note; 0 when the detector found none.
    float pitch = 0;
    // 1 for a perfectly periodic sound, towards 0 for noise.
    float confidence = 0;
    // Loudness of the last kLevelFrames samples, dB below full scale.
    float levelDb = -200;
    // The sound repeats nearly as well at half the period read: it may be
    // the octave above, heard low through a ring or a gripping bow.
    bool octaveInDoubt = false;
    // The pitch an octave or a twelfth below, when the sound repeats
    // better at that longer period than at its own: a string that has
    // slipped into its second or third mode still carries its note, and
    // it is that note while the sound goes on from it; 0 otherwise.
    float lowerPitch = 0;
};

class CPitchReader {
public:
    static constexpr int kSampleRate = 48000;
    // 2.7 ms per reading.
    static constexpr std::size_t kHopFrames = 128;
    // The detector's window, 32 ms: long enough for two periods of the
    // open C string bent 50 cents down.
    static constexpr std::size_t kWindowFrames = 1536;
    static constexpr std::size_t kLevelFrames = 1024;

    // Whether aubio is there to read pitches with, loading it if it is
    // not yet; a reader without it finds no pitch.
    static bool CanRead();

    CPitchReader();
    ~CPitchReader();
    CPitchReader(const CPitchReader&) = delete;
    CPitchReader& operator=(const CPitchReader&) = delete;

    // Reads the next kHopFrames samples.
    PitchReading Read(const float* hop);

private:
    struct Detector;
    std::unique_ptr<Detector> m_pDetector;
};
