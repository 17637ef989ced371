// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns pitch readings into the notes a cellist plays: a note is heard
// when its pitch holds still for a moment (or, under vibrato, when the
// middle of its swing is clear), and it lasts until its sound stops or
// another note takes over. A new note comes with a new stroke of the bow,
// or slurred in the same stroke at about the same loudness. The slow start
// of a bow, a slide into a note, a wide vibrato, the ring of notes before
// and the harmonics of a note whose fundamental is weak must not be heard
// as notes of their own. While a note is held, how far it lies from true
// is told as it changes.
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
        bool octaveInDoubt;
        // Read in a higher mode of the string and taken down to the note.
        bool continued;
    };
    struct Candidate {
        int note = 0;
        float pitch = 0;
        // The first reading of the still (or swinging) stretch that names it.
        std::int64_t fromFrame = 0;
    };
    struct EndedNote {
        int note;
        float peakDb;
        std::int64_t endFrame;
    };

    bool IsVoiced(const PitchReading& reading) const;
    // The reading as the run of sound goes on: a string that slips into a
    // higher mode as the sound goes on steadily is still playing the note
    // it played.
    PitchReading Continued(const PitchReading& reading) const;
    // The run of readings is of a note sounding steadily as itself, in
    // one stroke.
    bool RunSoundsInOwnMode(float levelDb) const;
    // The held note's own reading: near its pitch, vibrato and all, or one
    // of its harmonics standing in for a weak fundamental.
    bool IsOfHeldNote(float pitch) const;
    void FollowHeld(const PitchReading& reading, std::int64_t endFrame, std::vector<ListenEvent>& events);
    // The note the run of readings names now, if any.
    Candidate StillNote() const;
    Candidate StillNote(const NoteSteadiness& steadiness) const;
    Candidate SwingNote() const;
    // Whether the candidate is a note of its own, not the held note's
    // vibrato, harmonic or ring, nor a ring of notes before.
    bool MayTakeOver(const Candidate& candidate, float levelDb, std::int64_t frame) const;
    bool IsNewStrokeOfHeld(const Candidate& candidate, float levelDb) const;
    bool IsSlurredStep(const Candidate& candidate, float levelDb) const;
    bool IsRingOfEarlierNote(int note, float levelDb, std::int64_t frame) const;
    // The sound rose clearly from the quietest moment of late: a first
    // stroke after silence or a ring.
    bool RoseSinceQuiet(float levelDb) const;
    // A new stroke of the bow under the held note: its sound fell clearly
    // below its own sustained level and rose again.
    bool IsNewStroke(std::int64_t frame) const;
    void FollowStrokes(float levelDb, std::int64_t frame);
    // Passes over a reading that does not continue the run; false once
    // too many have, and the run is over.
    bool SkipStray();
    void RememberLevel(float levelDb);
    void Start(const Candidate& candidate, float levelDb, std::int64_t frame, std::vector<ListenEvent>& events);
    void EndHeld(std::int64_t frame, std::vector<ListenEvent>& events);
    int CentsOffHeld() const;

    int m_nHeld = 0;
    // Readings since the held note was last heard.
    int m_nReadingsWithoutHeld = 0;
    int m_nSilentReadings = 0;
    // The held note's pitch, smoothed as a tuner's needle is, and its
    // loudest moment so far.
    float m_fHeldPitch = 0;
    // The pitch the held note was heard at: a step to a neighbour is
    // judged from there, not from where the needle has followed it.
    float m_fHeldCentre = 0;
    float m_fHeldPeakDb = 0;
    int m_nToldCents = 0;
    std::int64_t m_lastToldFrame = 0;
    // The loudness of the strokes: the loudest moment since the last dip
    // began, the quietest since, and when the last new stroke rose.
    float m_fStrokePeakDb = -200;
    float m_fStrokeDipDb = -200;
    std::int64_t m_strokeFrame = -1;
    // Notes that ended of late, for their ring.
    std::deque<EndedNote> m_ended;
    // The readings of the current run of continuous, voiced sound.
    std::vector<Sample> m_run;
    int m_nStrayReadings = 0;
    std::deque<float> m_recentLevels;
};
