// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns pitch readings into the notes a cellist plays: a note is heard
// when its pitch holds steady for a moment (or, under vibrato, when the
// middle of its swing is clear), and it lasts until the sound stops or
// another note takes over. The slow start of a bow, a vibrato of up to
// half a semitone either way, the ring of the note before and the
// harmonics of a dying note must not be heard as notes of their own.
// While a note is held, how far it lies from true is told as it changes.
#include "listen/pitch_reading.h"

#include <cstdint>
#include <deque>
#include <vector>

struct ListenEvent {
    enum class Kind { NoteStarted, NoteEnded, NoteTuned };
    Kind kind = Kind::NoteStarted;
    // MIDI note.
    int pitch = 0;
    // Sample of the first reading that heard the note.
    std::int64_t onsetFrame = 0;
    // Sample at which the event was known.
    std::int64_t frame = 0;
    // How far the note is from true, in cents (-50 to +50): when it is
    // heard, and as it goes on.
    int cents = 0;
};

struct NoteSteadiness;

// The notes heard are those of the fingerboard's stops, kLowestStopPitch
// to kHighestStopPitch (model/pitch.h): the cello's four strings in first
// position and their extensions, C2 to Eb4.
class CNoteTracker {
public:
    // Takes the reading of the hop that ends at the given sample.
    void Take(const PitchReading& reading, std::int64_t endFrame, std::vector<ListenEvent>& events);
    // The note held now; 0 for none.
    int HeldNote() const { return m_nHeld; }

private:
    struct Sample {
        float pitch;
        float confidence;
        float levelDb;
        std::int64_t endFrame;
    };
    bool IsVoiced(const PitchReading& reading) const;
    // The note the run of readings names, 0 while it is not yet clear.
    int SteadyNote(float levelDb) const;
    int SteadyNote(const NoteSteadiness& steadiness) const;
    int VibratoNote() const;
    // The sound has grown clearly louder than it was of late: a new bow
    // stroke, not the ring of the last one.
    bool RoseSinceQuiet(float levelDb) const;
    // The sound has grown clearly louder than it was since the held note
    // began.
    bool IsNewStroke(float levelDb) const;
    bool MayTakeOver(int note, float levelDb) const;
    bool IsRingOfLastNote(int note, float levelDb, std::int64_t frame) const;
    // The pitch of the run's latest readings near the note.
    float PitchOfRun(int note) const;
    // The held note's pitch follows the reading, as a tuner's needle does.
    void FollowTuning(float pitch, std::int64_t frame, std::vector<ListenEvent>& events);
    int CentsOffHeld() const;
    // Passes over a reading that does not continue the run; false once
    // too many have, and the run is over.
    bool SkipStray();
    void RememberLevel(float levelDb);
    void EndHeld(std::int64_t frame, std::vector<ListenEvent>& events);

    int m_nHeld = 0;
    int m_nQuietReadings = 0;
    // The loudest and the quietest moments of the held note; the last
    // note that ended, when and how loud it was at its loudest.
    float m_fHeldPeakDb = 0;
    float m_fQuietestSinceHeldDb = 0;
    // The held note's pitch, smoothed, and the cents last told of it.
    float m_fHeldPitch = 0;
    int m_nToldCents = 0;
    std::int64_t m_lastToldFrame = 0;
    int m_nLastEnded = 0;
    std::int64_t m_lastEndFrame = 0;
    float m_fLastPeakDb = 0;
    // The readings of the current run of steady, voiced sound that is not
    // the held note.
    std::vector<Sample> m_run;
    int m_nStrayReadings = 0;
    std::deque<float> m_recentLevels;
};
