// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Choosing weak notes with Leitner boxes (Sebastian Leitner's card boxes).
// Every note of every key is a card in one of five boxes; a note never
// asked is in the first. A wrong answer sends the note back to the first
// box, a slow right one down a box, a fast right one up a box. A note is
// chosen at random, each box half as likely as the one before, so a
// known note comes back seldom but never drops out. A missed note is asked
// again at the second question after the miss, and no note is asked twice
// in a row.
#include <map>
#include <random>
#include <utility>
#include <vector>

constexpr int kFirstLeitnerBox = 1;
constexpr int kLastLeitnerBox = 5;
// A right answer that took longer than this counts as slow.
constexpr int kSlowAnswerMs = 4000;
// A missed note comes back at this question after the miss at the latest
// (the next question may not ask it: no note twice in a row).
constexpr int kMissedNoteComesBackAfter = 2;

// The box a note goes to from its box after an answer.
int NextLeitnerBox(int box, bool right, int responseMs);
// How many times likelier a note of the box is chosen than one of the last box.
int LeitnerWeight(int box);

class CLeitnerBoxes {
public:
    int BoxOf(int key, int pitch) const;
    void SetBox(int key, int pitch, int box);
    // An answer about the note moves it, and a miss brings it back soon.
    void Take(int key, int pitch, bool right, int responseMs);
    // The next note of the key from its question notes (distinct pitches).
    int Choose(int key, const std::vector<int>& pitches, std::mt19937& generator);
    void Clear();

private:
    struct Missed {
        int key;
        int pitch;
        // The question (by Choose's count) by which it is asked again.
        long due;
    };
    int TakeDueMissed(int key, const std::vector<int>& pitches, int lastAsked);
    void Forget(int key, int pitch);

    std::map<std::pair<int, int>, int> m_boxes;
    std::vector<Missed> m_missed;
    std::map<int, int> m_lastAsked;
    long m_questions = 0;
};
