// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Weak notes by Leitner boxes: how answers move notes, and what many
// choices from a seeded generator look like. No single draw is asserted.
#include "practice/leitner_boxes.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int kKey = 1;
const std::vector<int> kPitches = {36, 38, 40, 41, 43, 45, 47, 48};
constexpr int kDraws = 20000;
constexpr int kFast = 1500;
constexpr int kSlow = kSlowAnswerMs + 1;

TEST(LeitnerBoxes, AnswersMoveNotesBetweenTheFiveBoxes)
{
    struct Case {
        int box;
        bool right;
        int ms;
        int next;
    };
    for (const Case& c : {Case{1, true, kFast, 2}, Case{4, true, kFast, 5}, Case{5, true, kFast, 5},
                          Case{3, true, kSlowAnswerMs, 4}, Case{3, true, kSlow, 2}, Case{1, true, kSlow, 1},
                          Case{5, false, kFast, 1}, Case{2, false, kSlow, 1}})
        EXPECT_EQ(NextLeitnerBox(c.box, c.right, c.ms), c.next) << c.box << c.right << c.ms;
}

// Counts of each note over many choices, and whether any note came twice
// in a row.
struct Tally {
    std::map<int, int> counts;
    int repeats = 0;
};

Tally Draw(CLeitnerBoxes& boxes, unsigned seed)
{
    std::mt19937 generator(seed);
    Tally tally;
    int last = 0;
    for (int i = 0; i < kDraws; ++i) {
        const int pitch = boxes.Choose(kKey, kPitches, generator);
        tally.counts[pitch] += 1;
        tally.repeats += pitch == last;
        last = pitch;
    }
    return tally;
}

TEST(LeitnerBoxes, MissedAndSlowNotesComeMoreOftenKnownOnesSeldomButStill)
{
    CLeitnerBoxes boxes;
    // Every note answered right and fast four times: the last box.
    for (int pitch : kPitches)
        for (int i = 0; i < 4; ++i)
            boxes.Take(kKey, pitch, true, kFast);
    boxes.Take(kKey, 40, false, kFast);  // missed: the first box
    boxes.Take(kKey, 43, true, kSlow);   // slow: a box down
    for (unsigned seed : {1u, 2u, 3u}) {
        Tally tally = Draw(boxes, seed);
        EXPECT_EQ(tally.repeats, 0);
        // Weights 16 for the missed note, 2 for the slow one, 1 for the
        // others; never twice in a row brings the missed note's share down
        // to about 0.41, and 5.6 times a known note's.
        EXPECT_NEAR(double(tally.counts.at(40)) / kDraws, 0.41, 0.03) << seed;
        EXPECT_NEAR(double(tally.counts.at(40)) / tally.counts.at(45), 5.6, 1.0) << seed;
        EXPECT_NEAR(double(tally.counts.at(43)) / tally.counts.at(45), 2.0, 0.4) << seed;
        for (int pitch : kPitches)
            EXPECT_GT(tally.counts[pitch], kDraws / 100) << pitch;
    }
}

TEST(LeitnerBoxes, AMissedNoteIsAskedAgainAtTheSecondQuestionAfterTheMiss)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        CLeitnerBoxes boxes;
        // Every note known: on weights alone a note comes once in eight.
        for (int pitch : kPitches)
            for (int i = 0; i < 4; ++i)
                boxes.Take(kKey, pitch, true, kFast);
        std::mt19937 generator(seed);
        const int missed = boxes.Choose(kKey, kPitches, generator);
        boxes.Take(kKey, missed, false, kFast);
        const int next = boxes.Choose(kKey, kPitches, generator);
        const int after = boxes.Choose(kKey, kPitches, generator);
        EXPECT_NE(next, missed) << seed;
        EXPECT_EQ(after, missed) << seed;
    }
}

TEST(LeitnerBoxes, KeysKeepTheirOwnBoxes)
{
    CLeitnerBoxes boxes;
    boxes.Take(kKey, 40, true, kFast);
    EXPECT_EQ(boxes.BoxOf(kKey, 40), 2);
    EXPECT_EQ(boxes.BoxOf(kKey + 1, 40), kFirstLeitnerBox);
}

} // namespace
