// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/question_tables.h"

namespace {

// Two octaves and a step from the lowest note of the key; the last entry
// repeats the top D, except in Bb major, whose E flat the A string's
// extended fourth finger reaches.
constexpr QuestionTable kTableC = {36, 38, 40, 41, 43, 45, 47, 48, 50, 52, 53, 55, 57, 59, 60, 62, 62};
constexpr QuestionTable kTableG = {36, 38, 40, 42, 43, 45, 47, 48, 50, 52, 54, 55, 57, 59, 60, 62, 62};
constexpr QuestionTable kTableD = {37, 38, 40, 42, 43, 45, 47, 49, 50, 52, 54, 55, 57, 59, 61, 62, 62};
constexpr QuestionTable kTableF = {36, 38, 40, 41, 43, 45, 46, 48, 50, 52, 53, 55, 57, 58, 60, 62, 62};
// E flat on the D string, not E natural, which no staff row writes in
// Bb major and whose stop is not in the key: a question about it could
// not be answered on either side.
constexpr QuestionTable kTableBb = {36, 38, 39, 41, 43, 45, 46, 48, 50, 51, 53, 55, 57, 58, 60, 62, 63};

}  // namespace

const QuestionTable& QuestionTableOf(Key key)
{
    switch (key) {
    case KeyG: return kTableG;
    case KeyD: return kTableD;
    case KeyF: return kTableF;
    case KeyBb: return kTableBb;
    default: return kTableC;
    }
}
