#include "listen/pitch_reading.h"

#include <aubio/aubio.h>

#include <cmath>
#include <vector>

namespace {

// YIN's own threshold on the normalised difference; aubio's default.
constexpr float kYinTolerance = 0.15f;
// The level below which aubio reports no pitch at all: far under any
// microphone's noise floor, so that quiet players are still heard.
constexpr float kDetectorSilenceDb = -90.0f;
constexpr double kNoSoundDb = -200.0;

} // namespace

struct CPitchReader::Detector {
    aubio_pitch_t* pitch = nullptr;
    fvec_t* input = nullptr;
    fvec_t* output = nullptr;
    // The last kLevelFrames samples, as a ring.
    std::vector<float> recent = std::vector<float>(kLevelFrames, 0.0f);
    std::size_t next = 0;
    double sumOfSquares = 0;

    Detector()
        : pitch(new_aubio_pitch("yinfast", kWindowFrames, kHopFrames, kSampleRate)),
          input(new_fvec(kHopFrames)),
          output(new_fvec(1))
    {
        aubio_pitch_set_unit(pitch, "midi");
        aubio_pitch_set_tolerance(pitch, kYinTolerance);
        aubio_pitch_set_silence(pitch, kDetectorSilenceDb);
    }
    ~Detector()
    {
        del_aubio_pitch(pitch);
        del_fvec(input);
        del_fvec(output);
    }
    Detector(const Detector&) = delete;
    Detector& operator=(const Detector&) = delete;

    float Level(const float* hop)
    {
        for (std::size_t i = 0; i < kHopFrames; ++i) {
            sumOfSquares += double(hop[i]) * hop[i] - double(recent[next]) * recent[next];
            recent[next] = hop[i];
            next = (next + 1) % kLevelFrames;
        }
        // Rounding may leave the running sum a hair below zero.
        const double meanSquare = std::max(0.0, sumOfSquares / kLevelFrames);
        return float(meanSquare > 0 ? 10.0 * std::log10(meanSquare) : kNoSoundDb);
    }
};

CPitchReader::CPitchReader() : m_pDetector(std::make_unique<Detector>()) {}

CPitchReader::~CPitchReader() = default;

PitchReading CPitchReader::Read(const float* hop)
{
    Detector& d = *m_pDetector;
    for (std::size_t i = 0; i < kHopFrames; ++i)
        d.input->data[i] = hop[i];
    aubio_pitch_do(d.pitch, d.input, d.output);
    PitchReading reading;
    reading.pitch = d.output->data[0];
    reading.confidence = aubio_pitch_get_confidence(d.pitch);
    reading.levelDb = d.Level(hop);
    return reading;
}
