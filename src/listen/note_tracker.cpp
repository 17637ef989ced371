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
    float offCentre;
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

// A steady note: this many readings, all this sure, this close together
// and this close to a semitone. A sound the detector is less sure of (a
// low string rich in harmonics, a note under noise) holds twice as long.
constexpr float kSteadyRiseDb = 6.0f;
constexpr NoteSteadiness kSure = {ReadingsIn(11), 0.85f, 0.25f, 0.3f};
constexpr NoteSteadiness kSettled = {ReadingsIn(21), kVoicedConfidence, 0.2f, 0.25f};
// A note under vibrato or of little confidence: this many readings
// (53 ms), whose middle lies this close to a semitone. A vibrato of
// half a semitone either way swings a whole semitone.
constexpr int kVibratoReadings = ReadingsIn(53);
constexpr float kVibratoSpread = 1.2f;
constexpr float kVibratoOffCentre = 0.4f;
constexpr std::size_t kLongestRun = std::size_t(2 * kVibratoReadings);
// Two readings further apart than this are not one sound.
constexpr float kLargestStep = 0.6f;
// A run of readings goes on over this many readings that stray from it
// (a moment of doubt, a harmonic taking over); more end it.
constexpr int kMostStrayReadings = 3;
// Readings this close to the held note are that note, vibrato and all.
constexpr float kHeldBand = 0.8f;
// This long without a voiced reading ends the note.
constexpr int kReleaseReadings = ReadingsIn(50);
// A new stroke is this much louder than the quietest moment of late.
constexpr float kStrokeRiseDb = 6.0f;
constexpr std::size_t kLevelMemory = std::size_t(ReadingsIn(300));
// The note that just ended sounds again this soon, this far below its
// loudest, only as its ring.
constexpr std::int64_t kRingFrames = CPitchReader::kSampleRate;
constexpr float kRingBelowPeakDb = 12.0f;
// The held note's pitch follows its readings as a tuner's needle does
// (over 150 ms), and is told at most this often while it changes; the
// pitch a note is heard at is that of its last readings.
constexpr float kNeedleSmoothing = float(kHop) / (0.15f * CPitchReader::kSampleRate);
constexpr std::int64_t kTuningFrames = CPitchReader::kSampleRate / 10;
constexpr int kTuningReadings = ReadingsIn(21);
constexpr float kTuningBand = 0.5f;
constexpr float kCentsPerSemitone = 100.0f;
// A dying note's overtones (octave, twelfth, two octaves) take over
// only with a new stroke.
constexpr int kOvertoneIntervals[] = {12, 19, 24};

bool IsCelloNote(int note)
{
    return note >= kLowestStopPitch && note <= kHighestStopPitch;
}

} // namespace

bool CNoteTracker::IsVoiced(const PitchReading& reading) const
{
    return reading.confidence >= kVoicedConfidence && reading.levelDb >= kQuietestSoundDb
        && reading.pitch >= kLowestReading && reading.pitch <= kHighestReading;
}

int CNoteTracker::SteadyNote(float levelDb) const
{
    // Without a new stroke a held note gives way only to a settled one:
    // a dying note's sound may name another for a moment.
    const bool stroke = m_nHeld == 0 || IsNewStroke(levelDb);
    const int sure = stroke ? SteadyNote(kSure) : 0;
    return sure != 0 ? sure : SteadyNote(kSettled);
}

int CNoteTracker::SteadyNote(const NoteSteadiness& steadiness) const
{
    const int readings = steadiness.readings;
    if (int(m_run.size()) < readings)
        return 0;
    float low = m_run.back().pitch, high = low, sum = 0;
    for (auto it = m_run.end() - readings; it != m_run.end(); ++it) {
        if (it->confidence < steadiness.confidence)
            return 0;
        low = std::min(low, it->pitch);
        high = std::max(high, it->pitch);
        sum += it->pitch;
    }
    // Still swelling fast: the sound of a new stroke has not yet
    // outgrown the ring of the last.
    if (m_run.back().levelDb - (m_run.end() - readings)->levelDb > kSteadyRiseDb)
        return 0;
    const float mean = sum / float(readings);
    const int note = int(std::lround(mean));
    return high - low <= steadiness.spread && std::fabs(mean - float(note)) <= steadiness.offCentre ? note : 0;
}

int CNoteTracker::VibratoNote() const
{
    if (int(m_run.size()) < kVibratoReadings)
        return 0;
    const auto [low, high] = std::minmax_element(m_run.begin(), m_run.end(),
                                                 [](const Sample& a, const Sample& b) { return a.pitch < b.pitch; });
    const float middle = (low->pitch + high->pitch) / 2;
    const int note = int(std::lround(middle));
    return high->pitch - low->pitch <= kVibratoSpread && std::fabs(middle - float(note)) <= kVibratoOffCentre ? note
                                                                                                             : 0;
}

bool CNoteTracker::RoseSinceQuiet(float levelDb) const
{
    const float quietest = *std::min_element(m_recentLevels.begin(), m_recentLevels.end());
    return levelDb >= quietest + kStrokeRiseDb;
}

bool CNoteTracker::IsNewStroke(float levelDb) const
{
    // The stroke of the held note itself is no new stroke.
    return levelDb >= m_fQuietestSinceHeldDb + kStrokeRiseDb;
}

bool CNoteTracker::MayTakeOver(int note, float levelDb) const
{
    if (!IsCelloNote(note) || note == m_nHeld)
        return false;
    if (m_nHeld == 0)
        return RoseSinceQuiet(levelDb);
    const int interval = std::abs(note - m_nHeld);
    const bool overtone = std::find(std::begin(kOvertoneIntervals), std::end(kOvertoneIntervals), interval)
        != std::end(kOvertoneIntervals);
    return !overtone || IsNewStroke(levelDb);
}

bool CNoteTracker::IsRingOfLastNote(int note, float levelDb, std::int64_t frame) const
{
    return note == m_nLastEnded && frame - m_lastEndFrame < kRingFrames && levelDb < m_fLastPeakDb - kRingBelowPeakDb;
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

float CNoteTracker::PitchOfRun(int note) const
{
    float sum = 0;
    int count = 0;
    for (auto it = m_run.rbegin(); it != m_run.rend() && count < kTuningReadings; ++it) {
        if (std::fabs(it->pitch - float(note)) <= kTuningBand) {
            sum += it->pitch;
            ++count;
        }
    }
    return count > 0 ? sum / float(count) : float(note);
}

int CNoteTracker::CentsOffHeld() const
{
    const int cents = int(std::lround((m_fHeldPitch - float(m_nHeld)) * kCentsPerSemitone));
    return std::clamp(cents, -int(kCentsPerSemitone) / 2, int(kCentsPerSemitone) / 2);
}

void CNoteTracker::FollowTuning(float pitch, std::int64_t frame, std::vector<ListenEvent>& events)
{
    m_fHeldPitch += kNeedleSmoothing * (pitch - m_fHeldPitch);
    const int cents = CentsOffHeld();
    if (cents != m_nToldCents && frame - m_lastToldFrame >= kTuningFrames) {
        m_nToldCents = cents;
        m_lastToldFrame = frame;
        events.push_back({ListenEvent::Kind::NoteTuned, m_nHeld, frame, frame, cents});
    }
}

void CNoteTracker::EndHeld(std::int64_t frame, std::vector<ListenEvent>& events)
{
    if (m_nHeld != 0) {
        events.push_back({ListenEvent::Kind::NoteEnded, m_nHeld, frame, frame, CentsOffHeld()});
        m_nLastEnded = m_nHeld;
        m_fLastPeakDb = m_fHeldPeakDb;
        m_lastEndFrame = frame;
    }
    m_nHeld = 0;
}

void CNoteTracker::Take(const PitchReading& reading, std::int64_t endFrame, std::vector<ListenEvent>& events)
{
    RememberLevel(reading.levelDb);
    m_fQuietestSinceHeldDb = std::min(m_fQuietestSinceHeldDb, reading.levelDb);
    const bool voiced = IsVoiced(reading);
    if (m_nHeld != 0 && voiced && std::fabs(reading.pitch - float(m_nHeld)) < kHeldBand) {
        m_fHeldPeakDb = std::max(m_fHeldPeakDb, reading.levelDb);
        m_nQuietReadings = 0;
        FollowTuning(reading.pitch, endFrame, events);
        // A run under way goes on: the vibrato of a note a semitone from
        // the held one swings close to it.
        if (m_run.empty())
            return;
    }
    if (!voiced) {
        if (m_nHeld != 0 && ++m_nQuietReadings >= kReleaseReadings)
            EndHeld(endFrame, events);
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
    m_run.push_back({reading.pitch, reading.confidence, reading.levelDb, endFrame});
    // A run that names no note for this long is not going to.
    if (m_run.size() > kLongestRun)
        m_run.erase(m_run.begin());

    int note = SteadyNote(reading.levelDb);
    if (note == 0)
        note = VibratoNote();
    if (note == 0 || !MayTakeOver(note, reading.levelDb))
        return;
    if (IsRingOfLastNote(note, reading.levelDb, endFrame))
        return;
    const std::int64_t onset = m_run.front().endFrame;
    EndHeld(endFrame, events);
    m_nHeld = note;
    m_fHeldPitch = PitchOfRun(note);
    m_fHeldPeakDb = reading.levelDb;
    m_fQuietestSinceHeldDb = reading.levelDb;
    m_nQuietReadings = 0;
    m_run.clear();
    m_nToldCents = CentsOffHeld();
    m_lastToldFrame = endFrame;
    events.push_back({ListenEvent::Kind::NoteStarted, note, onset, endFrame, m_nToldCents});
}
