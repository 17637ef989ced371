#pragma once
// One reading of the sound per hop: its pitch by aubio's YIN detector
// (computed in the spectral domain, "yinfast"), how sure the detector is,
// and how loud the sound is.
#include <cstddef>
#include <memory>

struct PitchReading {
    // Fractional MIDI note; 0 when the detector found none.
    float pitch = 0;
    // 1 for a perfectly periodic sound, towards 0 for noise.
    float confidence = 0;
    // Loudness of the last kLevelFrames samples, dB below full scale.
    float levelDb = -200;
};

class CPitchReader {
public:
    static constexpr int kSampleRate = 48000;
    // 2.7 ms per reading.
    static constexpr std::size_t kHopFrames = 128;
    // The detector's window, 43 ms: long enough for two periods of the
    // open C string bent 50 cents down.
    static constexpr std::size_t kWindowFrames = 2048;
    static constexpr std::size_t kLevelFrames = 1024;

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
