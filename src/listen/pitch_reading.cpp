// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/pitch_reading.h"

#include "listen/aubio_library.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <vector>

namespace {

// YIN's own threshold on the normalised difference; aubio's default.
constexpr float kYinTolerance = 0.15f;
// The level below which aubio reports no pitch at all: far under any
// microphone's noise floor, so that quiet players are still heard.
constexpr float kDetectorSilenceDb = -90.0f;
constexpr double kNoSoundDb = -200.0;
// The periods tried against the one the detector found, shortest first:
// a quarter, a third, a half, the same and twice as long.
constexpr double kPeriodsTried[] = {1.0 / 4, 1.0 / 3, 1.0 / 2, 1.0, 2.0};
// How much less alike the sound may be at a period than at its best, for
// that period to be the sound's own.
constexpr double kPeriodMargin = 0.025;
// A clear sound the detector heard at a long period (a note with the
// ring of the last one in a wet room) may repeat this many times less
// well at a period inside it, and that shorter period is still its own.
constexpr double kInnerPeriodRatio = 2.2;
constexpr float kClearConfidence = 0.85f;
// Half the period chosen repeats at most this many times less well: the
// note may yet turn out an octave higher.
constexpr double kDoubtRatio = 4.0;
// The longer periods a mode of the string's own note may hide behind:
// twice and three times the period read (an octave and a twelfth).
constexpr int kLowerModes[] = {2, 3};
constexpr std::size_t kCompareFrames = CPitchReader::kWindowFrames / 2;
constexpr double kSemitonesPerOctave = 12.0;
constexpr double kMidiOfA4 = 69.0;
constexpr double kHzOfA4 = 440.0;

// The newest samples against those lag samples before them: 0 when they
// are the same, 1 for unrelated sounds, 2 for opposite ones.
double Unlikeness(const std::vector<float>& window, std::size_t lag)
{
    double difference = 0, energy = 0;
    for (std::size_t i = window.size() - kCompareFrames; i < window.size(); ++i) {
        const double now = window[i], before = window[i - lag];
        difference += (now - before) * (now - before);
        energy += now * now + before * before;
    }
    return energy > 0 ? difference / energy : 0;
}

double PeriodFrames(float midiPitch)
{
    return CPitchReader::kSampleRate / (kHzOfA4 * std::pow(2.0, (midiPitch - kMidiOfA4) / kSemitonesPerOctave));
}

} // namespace

struct CPitchReader::Detector {
    const AubioLibrary& aubio;
    aubio_pitch_t* pitch = nullptr;
    fvec_t* input = nullptr;
    fvec_t* output = nullptr;
    // The last kWindowFrames samples, oldest first.
    std::vector<float> window = std::vector<float>(kWindowFrames, 0.0f);

    explicit Detector(const AubioLibrary& library)
        : aubio(library),
          pitch(aubio.new_aubio_pitch("yinfast", kWindowFrames, kHopFrames, kSampleRate)),
          input(aubio.new_fvec(kHopFrames)),
          output(aubio.new_fvec(1))
    {
        aubio.aubio_pitch_set_unit(pitch, "midi");
        aubio.aubio_pitch_set_tolerance(pitch, kYinTolerance);
        aubio.aubio_pitch_set_silence(pitch, kDetectorSilenceDb);
    }
    ~Detector()
    {
        aubio.del_aubio_pitch(pitch);
        aubio.del_fvec(input);
        aubio.del_fvec(output);
    }
    Detector(const Detector&) = delete;
    Detector& operator=(const Detector&) = delete;

    void Take(const float* hop)
    {
        std::copy(window.begin() + kHopFrames, window.end(), window.begin());
        std::copy(hop, hop + kHopFrames, window.end() - kHopFrames);
    }

    float Level() const
    {
        double sumOfSquares = 0;
        for (auto it = window.end() - kLevelFrames; it != window.end(); ++it)
            sumOfSquares += double(*it) * *it;
        const double meanSquare = sumOfSquares / kLevelFrames;
        return float(meanSquare > 0 ? 10.0 * std::log10(meanSquare) : kNoSoundDb);
    }

    // Whether the sound repeats better at twice or three times the period
    // chosen: the note may be a string's own, heard in a higher mode.
    void FindLowerMode(double period, double unlikeness, PitchReading& reading) const
    {
        for (int mode : kLowerModes) {
            const double lag = std::round(period * mode);
            if (lag <= double(kWindowFrames - kCompareFrames) && Unlikeness(window, std::size_t(lag)) < unlikeness) {
                reading.lowerPitch = reading.pitch - float(kSemitonesPerOctave * std::log2(double(mode)));
                return;
            }
        }
    }

    // The pitch of the shortest period, among the one found, those inside
    // it and the one twice as long, at which the sound repeats about as
    // well as it does at its best; for a clear sound, a period inside the
    // one found is given more room. In doubt when half that period
    // repeats nearly as well.
    void ReadOwnPitch(float found, PitchReading& reading) const
    {
        const double period = PeriodFrames(found);
        constexpr std::size_t kTries = std::size(kPeriodsTried);
        double unlikeness[kTries];
        double best = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < kTries; ++i) {
            const double lag = std::round(period * kPeriodsTried[i]);
            const bool fits = lag >= 1 && lag <= double(kWindowFrames - kCompareFrames);
            unlikeness[i] = fits ? Unlikeness(window, std::size_t(lag)) : std::numeric_limits<double>::infinity();
            best = std::min(best, unlikeness[i]);
        }
        for (std::size_t i = 0; i < kTries; ++i) {
            const bool inner = kPeriodsTried[i] < 1.0 && reading.confidence >= kClearConfidence;
            if (unlikeness[i] <= std::max(best + kPeriodMargin, (inner ? kInnerPeriodRatio : 1.0) * best)) {
                reading.pitch = found - float(kSemitonesPerOctave * std::log2(kPeriodsTried[i]));
                const auto half = std::find(std::begin(kPeriodsTried), std::end(kPeriodsTried), kPeriodsTried[i] / 2);
                reading.octaveInDoubt = half != std::end(kPeriodsTried)
                    && unlikeness[half - std::begin(kPeriodsTried)] <= kDoubtRatio * unlikeness[i];
                FindLowerMode(period * kPeriodsTried[i], unlikeness[i], reading);
                return;
            }
        }
        reading.pitch = found;
    }
};

bool CPitchReader::CanRead()
{
    return LoadAubio() != nullptr;
}

CPitchReader::CPitchReader()
{
    if (const AubioLibrary* aubio = LoadAubio())
        m_pDetector = std::make_unique<Detector>(*aubio);
}

CPitchReader::~CPitchReader() = default;

PitchReading CPitchReader::Read(const float* hop)
{
    PitchReading reading;
    if (!m_pDetector)
        return reading;
    Detector& d = *m_pDetector;
    std::copy(hop, hop + kHopFrames, d.input->data);
    d.aubio.aubio_pitch_do(d.pitch, d.input, d.output);
    d.Take(hop);
    reading.confidence = d.aubio.aubio_pitch_get_confidence(d.pitch);
    if (d.output->data[0] > 0)
        d.ReadOwnPitch(d.output->data[0], reading);
    reading.levelDb = d.Level();
    return reading;
}
