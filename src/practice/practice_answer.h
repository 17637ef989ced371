// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One judged Show Me answer as the practice history keeps it.
#include <QtGlobal>

#include <optional>

// Where the question was to be answered: on the fingerboard, for a note
// shown on the staff, or on the staff, for a lit stop. The numbers are the
// document's and are stored as they are.
enum class PracticeSide : int { Fingerboard = 1, Staff = 2 };

// How the answer was given: clicked, or played on the cello, with how far
// the note was from true in cents when the listener tells (unknown
// otherwise).
struct PracticePlaying {
    bool played = false;
    std::optional<double> cents;
};

struct PracticeAnswer {
    // Milliseconds since the epoch (UTC).
    qint64 answeredAt = 0;
    // The key's number in the Keys menu (1 C major ... 5 Bb major).
    int key = 0;
    PracticeSide side = PracticeSide::Staff;
    // MIDI pitches.
    int askedPitch = 0;
    int answeredPitch = 0;
    bool right = false;
    // From the question's appearance to the answer.
    int responseMs = 0;
    PracticePlaying playing;
};
