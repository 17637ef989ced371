// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/note_tracker.h"

#include "model/pitch.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

struct NoteSteadiness {
    int readings;
    float confidence;
    float spread;
};

namespace {

constexpr std::int64_t kHop = CPitchReader::kHopFrames;
constexpr int ReadingsIn(int milliseconds)
{
    return int(std::int64_t(milliseconds) * CPitchReader::kSampleRate / 1000 / kHop);
}

// Below this the reading is noise, whatever pitch it names.
constexpr float kVoicedConfidence = 0.5f;
// A microphone's own hiss lies above this; silence of a file below.
constexpr float kQuietestSoundDb = -70.0f;
// Readings outside this pitch range are not of a cello's note.
constexpr float kLowestReading = kLowestStopPitch - 6.0f;
constexpr float kHighestReading = kHighestStopPitch + 6.0f;

// A still note: this many readings, all this sure and this close
// together. A sound the detector is less sure of (a low string rich in
// harmonics, a note under noise) holds twice as long.
constexpr NoteSteadiness kSure = {ReadingsIn(11), 0.85f, 0.25f};
constexpr NoteSteadiness kSettled = {ReadingsIn(21), kVoicedConfidence, 0.2f};
// Before those, the run's readings of this long lie this close to them,
// and all of them, over at least the shortest stretch, hold still: no
// slope (a slide) and no bend (the turn of a vibrato's swing), in
// semitones a second and a second squared.
constexpr int kStillLookback = ReadingsIn(30);
constexpr int kShortestStill = ReadingsIn(30);
constexpr float kStillBand = 0.3f;
constexpr double kStillestSlope = 2.5;
constexpr double kStillestBend = 150.0;
// A note within this of a semitone is that note: a student's note 35
// cents out is still the note meant.
constexpr float kMostOffCentre = 0.45f;
// Further off than this, it may be the start of a slide or the bend of an
// attack: it must hold still for this long.
constexpr float kSurelyInTune = 0.3f;
constexpr int kShortestStillOutOfTune = ReadingsIn(100);
// A note whose octave is in doubt holds this long, time for the octave
// above to show.
constexpr int kShortestStillInDoubt = ReadingsIn(100);
// A pitch this close to its semitone may move a little either way; one
// further off may not move on away from it faster than this (semitones
// a second, times the semitones off), as it does sliding into the next.
constexpr float kSurelyOnSemitone = 0.15f;
constexpr double kMostDriftOff = 0.2;
// Still swelling fast: the sound of a new stroke has not yet outgrown
// the ring of the last.
constexpr float kSteadyRiseDb = 6.0f;
// A vibrato's swing: turns of the pitch by at least this much, a swing
// from one turn to the other of at most this much.
constexpr float kLeastTurn = 0.15f;
constexpr float kWidestSwing = 2.2f;
constexpr float kNarrowestSwing = 0.3f;
constexpr std::int64_t kShortestHalfSwing = CPitchReader::kSampleRate / 20;
constexpr std::int64_t kLongestHalfSwing = CPitchReader::kSampleRate / 6;
constexpr std::size_t kLongestRun = std::size_t(ReadingsIn(400));
// Two readings further apart than this are not one sound.
constexpr float kLargestStep = 0.6f;
// A run of readings goes on over this many readings that stray from it
// (a moment of doubt, a harmonic taking over); more end it.
constexpr int kMostStrayReadings = 3;
// Readings this close to the held note's pitch are that note, vibrato and
// all; so are those this close to one of its harmonics.
constexpr float kHeldBand = 0.8f;
constexpr float kHarmonicBand = 0.5f;
// Octave, twelfth, two octaves, two octaves and a third, two octaves and
// a fifth: the harmonics that overtake a weak fundamental; and the octave
// below that a detector slips to.
constexpr int kHarmonicIntervals[] = {12, 19, 24, 28, 31, -12};
// This long without a reading of the held note ends it; while another
// pitch sounds (the finger moving to the next note in the same bow), only
// this long, so that the next note is judged as a step from it.
constexpr int kReleaseReadings = ReadingsIn(50);
constexpr int kReleaseToOtherReadings = ReadingsIn(250);
// The held note's pitch follows its readings as a tuner's needle does,
// and is told this often while it changes.
constexpr float kNeedleSmoothing = float(kHop) / (0.15f * CPitchReader::kSampleRate);
constexpr std::int64_t kTuningFrames = CPitchReader::kSampleRate / 10;
constexpr float kCentsPerSemitone = 100.0f;
// A new stroke: the sound falls this far below the level it held and
// rises this far again; it counts for this long.
constexpr float kStrokeDipDb = 6.0f;
constexpr float kStrokeRiseDb = 5.0f;
constexpr std::int64_t kStrokeFrames = CPitchReader::kSampleRate / 4;
// A reading hears the sound of about half its window before it.
constexpr std::int64_t kReadingLagFrames = CPitchReader::kWindowFrames / 2;
// A first stroke is this much louder than the quietest moment of late.
constexpr float kRiseSinceQuietDb = 6.0f;
constexpr std::size_t kLevelMemory = std::size_t(ReadingsIn(300));
// A note slurred from the held one sounds about as loud; far below, it is
// the ring of a string left behind.
constexpr float kSlurDropDb = 12.0f;
// A slurred step to a neighbour moves the pitch this far from the held
// note and from where it was.
constexpr float kLeastNeighbourOff = 0.6f;
constexpr float kLeastNeighbourStep = 0.3f;
constexpr int kNeighbourReach = 2;
// A note that ended sounds again this soon, this far below its loudest,
// without a new stroke, only as its ring.
constexpr std::int64_t kRingFrames = 2 * CPitchReader::kSampleRate;
constexpr float kRingBelowPeakDb = 12.0f;
constexpr std::size_t kEndedRemembered = 4;

bool IsCelloNote(int note)
{
    return note >= kLowestStopPitch && note <= kHighestStopPitch;
}

// How the pitch moves over a stretch: a parabola's slope and bend, in
// semitones a second and a second squared.
struct PitchMotion {
    double slope = 0;
    double bend = 0;
};

template <typename Iterator>
PitchMotion MotionOf(Iterator first, Iterator last)
{
    const double middle = double(first->endFrame + (last - 1)->endFrame) / 2;
    double s0 = 0, s1 = 0, s2 = 0, s3 = 0, s4 = 0, y0 = 0, y1 = 0, y2 = 0;
    for (auto it = first; it != last; ++it) {
        const double t = (double(it->endFrame) - middle) / CPitchReader::kSampleRate, y = it->pitch;
        s0 += 1;
        s1 += t;
        s2 += t * t;
        s3 += t * t * t;
        s4 += t * t * t * t;
        y0 += y;
        y1 += t * y;
        y2 += t * t * y;
    }
    // The normal equations of a + b t + c t^2, by Cramer's rule.
    const auto determinant = [](double a, double b, double c, double d, double e, double f, double g, double h,
                                double i) { return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g); };
    const double whole = determinant(s0, s1, s2, s1, s2, s3, s2, s3, s4);
    if (whole == 0)
        return {};
    return {determinant(s0, y0, s2, s1, y1, s3, s2, y2, s4) / whole,
            2 * determinant(s0, s1, y0, s1, s2, y1, s2, s3, y2) / whole};
}

// No slope (a slide) and no bend (the turn of a vibrato's swing); and a
// pitch off its semitone does not drift further off, as it does sliding
// into the next.
bool HoldsStill(const PitchMotion& motion, float offSemitone)
{
    if (std::fabs(motion.slope) > kStillestSlope || std::fabs(motion.bend) > kStillestBend)
        return false;
    return std::fabs(offSemitone) < kSurelyOnSemitone || motion.slope * double(offSemitone) < kMostDriftOff;
}

bool IsHarmonicInterval(int interval)
{
    return std::find(std::begin(kHarmonicIntervals), std::end(kHarmonicIntervals), interval)
        != std::end(kHarmonicIntervals);
}

} // namespace

bool CNoteTracker::IsVoiced(const PitchReading& reading) const
{
    return reading.confidence >= kVoicedConfidence && reading.levelDb >= kQuietestSoundDb
        && reading.pitch >= kLowestReading && reading.pitch <= kHighestReading;
}

bool CNoteTracker::IsOfHeldNote(float pitch) const
{
    if (std::fabs(pitch - m_fHeldCentre) <= kHeldBand)
        return true;
    return std::any_of(std::begin(kHarmonicIntervals), std::end(kHarmonicIntervals), [&](int interval) {
        return std::fabs(pitch - float(m_nHeld + interval)) <= kHarmonicBand;
    });
}

CNoteTracker::Candidate CNoteTracker::StillNote() const
{
    const Candidate sure = StillNote(kSure);
    return sure.note != 0 ? sure : StillNote(kSettled);
}

CNoteTracker::Candidate CNoteTracker::StillNote(const NoteSteadiness& steadiness) const
{
    const int readings = steadiness.readings;
    if (int(m_run.size()) < readings)
        return {};
    const auto window = m_run.end() - readings;
    float low = m_run.back().pitch, high = low, sum = 0;
    for (auto it = window; it != m_run.end(); ++it) {
        if (it->confidence < steadiness.confidence)
            return {};
        low = std::min(low, it->pitch);
        high = std::max(high, it->pitch);
        sum += it->pitch;
    }
    if (high - low > steadiness.spread || m_run.back().levelDb - window->levelDb > kSteadyRiseDb)
        return {};
    const float mean = sum / float(readings);
    const int note = int(std::lround(mean));
    const float offCentre = std::fabs(mean - float(note));
    if (offCentre > kMostOffCentre)
        return {};
    const auto inDoubt = std::count_if(window, m_run.end(), [](const Sample& sample) { return sample.octaveInDoubt; });
    const int still = 2 * inDoubt > readings ? kShortestStillInDoubt
        : offCentre > kSurelyInTune          ? kShortestStillOutOfTune
                                             : kShortestStill;
    const auto lookback = window - std::min<std::ptrdiff_t>(std::max(kStillLookback, still - readings),
                                                            window - m_run.begin());
    if (m_run.end() - lookback < still || !HoldsStill(MotionOf(lookback, m_run.end()), mean - float(note)))
        return {};
    for (auto it = lookback; it != window; ++it) {
        if (std::fabs(it->pitch - mean) > kStillBand)
            return {};
    }
    return {note, mean, lookback->endFrame};
}

CNoteTracker::Candidate CNoteTracker::SwingNote() const
{
    // The turns of the pitch, found with some slack so that a detector's
    // jitter makes none.
    float extreme = 0, lastHigh = 0, lastLow = 0;
    int direction = 0;
    bool high = false, low = false;
    std::int64_t firstTurn = 0, lastTurn = 0, turnBefore = 0;
    for (const Sample& sample : m_run) {
        if (direction == 0) {
            extreme = sample.pitch;
            direction = 1;
        }
        const bool goesOn = direction > 0 ? sample.pitch > extreme : sample.pitch < extreme;
        if (goesOn) {
            extreme = sample.pitch;
        } else if (std::fabs(sample.pitch - extreme) >= kLeastTurn) {
            (direction > 0 ? lastHigh : lastLow) = extreme;
            (direction > 0 ? high : low) = true;
            if (firstTurn == 0)
                firstTurn = sample.endFrame;
            turnBefore = lastTurn;
            lastTurn = sample.endFrame;
            direction = -direction;
            extreme = sample.pitch;
        }
    }
    // A vibrato swings a third of a semitone or more (less is a still
    // note's), at 3 to 10 times a second: a slide's jitter does not.
    const std::int64_t halfPeriod = lastTurn - turnBefore;
    if (!high || !low || lastHigh - lastLow > kWidestSwing || lastHigh - lastLow < kNarrowestSwing
        || halfPeriod < kShortestHalfSwing || halfPeriod > kLongestHalfSwing)
        return {};
    const float middle = (lastHigh + lastLow) / 2;
    const int note = int(std::lround(middle));
    if (std::fabs(middle - float(note)) > kMostOffCentre)
        return {};
    return {note, middle, firstTurn};
}

bool CNoteTracker::RoseSinceQuiet(float levelDb) const
{
    const float quietest = *std::min_element(m_recentLevels.begin(), m_recentLevels.end());
    return levelDb >= quietest + kRiseSinceQuietDb;
}

bool CNoteTracker::IsNewStroke(std::int64_t frame) const
{
    return m_strokeFrame >= 0 && frame - m_strokeFrame <= kStrokeFrames;
}

void CNoteTracker::FollowStrokes(float levelDb, std::int64_t frame)
{
    if (levelDb > m_fStrokePeakDb) {
        // Still growing: a dip can only come after the loudest moment.
        m_fStrokePeakDb = levelDb;
        m_fStrokeDipDb = levelDb;
    } else if (levelDb < m_fStrokeDipDb) {
        m_fStrokeDipDb = levelDb;
    } else if (levelDb >= m_fStrokeDipDb + kStrokeRiseDb && m_fStrokeDipDb <= m_fStrokePeakDb - kStrokeDipDb) {
        m_strokeFrame = frame;
        m_fStrokePeakDb = levelDb;
        m_fStrokeDipDb = levelDb;
    }
}

bool CNoteTracker::IsNewStrokeOfHeld(const Candidate& candidate, float levelDb) const
{
    // Its readings must be of the new stroke, not of the sound before it
    // that they lag behind, and as loud as a stroke of that note.
    return IsNewStroke(candidate.fromFrame) && candidate.fromFrame >= m_strokeFrame + kReadingLagFrames
        && levelDb >= m_fHeldPeakDb - kSlurDropDb;
}

bool CNoteTracker::IsSlurredStep(const Candidate& candidate, float levelDb) const
{
    if (levelDb < m_fHeldPeakDb - kSlurDropDb)
        return false;
    if (std::abs(candidate.note - m_nHeld) > kNeighbourReach)
        return true;
    // A neighbour out of tune may lie close to the held note: the pitch
    // must have moved, and past the middle between them.
    return std::fabs(candidate.pitch - float(m_nHeld)) >= kLeastNeighbourOff
        && std::fabs(candidate.pitch - m_fHeldCentre) >= kLeastNeighbourStep;
}

bool CNoteTracker::IsRingOfEarlierNote(int note, float levelDb, std::int64_t frame) const
{
    return std::any_of(m_ended.begin(), m_ended.end(), [&](const EndedNote& ended) {
        return ended.note == note && frame - ended.endFrame < kRingFrames && levelDb < ended.peakDb - kRingBelowPeakDb;
    });
}

bool CNoteTracker::MayTakeOver(const Candidate& candidate, float levelDb, std::int64_t frame) const
{
    const int note = candidate.note;
    if (!IsCelloNote(note))
        return false;
    // A ring is heard as one even as a new stroke begins: the readings lag
    // the sound by most of their window.
    if (IsRingOfEarlierNote(note, levelDb, frame))
        return false;
    const bool bowed = IsNewStroke(frame) || (m_nHeld == 0 && RoseSinceQuiet(levelDb));
    if (note == m_nHeld)
        return IsNewStrokeOfHeld(candidate, levelDb);
    if (m_nHeld == 0 || bowed)
        return bowed;
    // Within one stroke: a harmonic of the held note is that note.
    if (IsHarmonicInterval(note - m_nHeld))
        return false;
    return IsSlurredStep(candidate, levelDb);
}

bool CNoteTracker::SkipStray()
{
    if (!m_run.empty() && ++m_nStrayReadings <= kMostStrayReadings)
        return true;
    m_run.clear();
    m_nStrayReadings = 0;
    return false;
}

void CNoteTracker::RememberLevel(float levelDb)
{
    m_recentLevels.push_back(levelDb);
    if (m_recentLevels.size() > kLevelMemory)
        m_recentLevels.pop_front();
}

int CNoteTracker::CentsOffHeld() const
{
    const int cents = int(std::lround((m_fHeldPitch - float(m_nHeld)) * kCentsPerSemitone));
    return std::clamp(cents, -int(kCentsPerSemitone) / 2, int(kCentsPerSemitone) / 2);
}

void CNoteTracker::EndHeld(std::int64_t frame, std::vector<ListenEvent>& events)
{
    if (m_nHeld != 0) {
        events.push_back({ListenEvent::Kind::NoteEnded, m_nHeld, frame, frame, CentsOffHeld()});
        m_ended.push_back({m_nHeld, m_fHeldPeakDb, frame});
        if (m_ended.size() > kEndedRemembered)
            m_ended.pop_front();
    }
    m_nHeld = 0;
}

void CNoteTracker::Start(const Candidate& candidate, float levelDb, std::int64_t frame,
                         std::vector<ListenEvent>& events)
{
    EndHeld(frame, events);
    m_nHeld = candidate.note;
    m_fHeldPitch = candidate.pitch;
    m_fHeldCentre = candidate.pitch;
    m_fHeldPeakDb = levelDb;
    m_nReadingsWithoutHeld = 0;
    m_nSilentReadings = 0;
    m_fStrokePeakDb = levelDb;
    m_fStrokeDipDb = levelDb;
    m_strokeFrame = -1;
    m_run.clear();
    m_nToldCents = CentsOffHeld();
    m_lastToldFrame = frame;
    events.push_back({ListenEvent::Kind::NoteStarted, m_nHeld, candidate.fromFrame, frame, m_nToldCents});
}

void CNoteTracker::FollowHeld(const PitchReading& reading, std::int64_t endFrame, std::vector<ListenEvent>& events)
{
    if (m_nHeld == 0)
        return;
    if (!IsVoiced(reading) || !IsOfHeldNote(reading.pitch)) {
        const bool silent = !IsVoiced(reading) || reading.levelDb < m_fHeldPeakDb - kSlurDropDb;
        m_nSilentReadings += silent;
        ++m_nReadingsWithoutHeld;
        if (m_nSilentReadings >= kReleaseReadings || m_nReadingsWithoutHeld >= kReleaseToOtherReadings)
            EndHeld(endFrame, events);
        return;
    }
    m_nReadingsWithoutHeld = 0;
    m_nSilentReadings = 0;
    m_fHeldPeakDb = std::max(m_fHeldPeakDb, reading.levelDb);
    if (std::fabs(reading.pitch - m_fHeldCentre) > kHeldBand)
        return;
    m_fHeldPitch += kNeedleSmoothing * (reading.pitch - m_fHeldPitch);
    const int cents = CentsOffHeld();
    if (cents != m_nToldCents && endFrame - m_lastToldFrame >= kTuningFrames) {
        m_nToldCents = cents;
        m_lastToldFrame = endFrame;
        events.push_back({ListenEvent::Kind::NoteTuned, m_nHeld, endFrame, endFrame, cents});
    }
}

bool CNoteTracker::RunSoundsInOwnMode(float levelDb) const
{
    // It sounded for a while as itself: a bow that grips at the attack
    // gives a few readings an octave low, and a note whose octave was in
    // doubt may yet be the octave above.
    if (m_run.size() < std::size_t(kShortestStill)
        || std::any_of(m_run.begin(), m_run.begin() + kShortestStill, [](const Sample& sample) { return sample.continued; }))
        return false;
    const auto inDoubt = std::count_if(m_run.end() - kShortestStill, m_run.end(),
                                       [](const Sample& sample) { return sample.octaveInDoubt; });
    if (2 * inDoubt > kShortestStill)
        return false;
    // A new stroke over the ring of a lower note is a note of its own.
    if (m_run.front().endFrame < m_strokeFrame)
        return false;
    const Sample& before = m_run.size() > std::size_t(kStillLookback) ? m_run.end()[-kStillLookback] : m_run.front();
    return levelDb - before.levelDb <= kSteadyRiseDb;
}

PitchReading CNoteTracker::Continued(const PitchReading& reading) const
{
    if (reading.lowerPitch == 0 || m_run.empty() || std::fabs(reading.lowerPitch - m_run.back().pitch) > kLargestStep
        || !RunSoundsInOwnMode(reading.levelDb))
        return reading;
    PitchReading continued = reading;
    continued.pitch = reading.lowerPitch;
    return continued;
}

void CNoteTracker::Take(const PitchReading& heard, std::int64_t endFrame, std::vector<ListenEvent>& events)
{
    const PitchReading reading = Continued(heard);
    RememberLevel(reading.levelDb);
    FollowStrokes(reading.levelDb, endFrame);
    FollowHeld(reading, endFrame, events);
    if (!IsVoiced(reading)) {
        SkipStray();
        return;
    }
    if (!m_run.empty() && std::fabs(reading.pitch - m_run.back().pitch) > kLargestStep) {
        if (SkipStray())
            return;
        // Not a stray: a sound of its own begins.
        m_run.clear();
    }
    m_nStrayReadings = 0;
    m_run.push_back({reading.pitch, reading.confidence, reading.levelDb, endFrame, reading.octaveInDoubt,
                     reading.pitch != heard.pitch});
    if (m_run.size() > kLongestRun)
        m_run.erase(m_run.begin());

    Candidate candidate = StillNote();
    if (candidate.note == 0)
        candidate = SwingNote();
    if (candidate.note != 0 && MayTakeOver(candidate, reading.levelDb, endFrame))
        Start(candidate, reading.levelDb, endFrame, events);
}
