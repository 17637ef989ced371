// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes Show Me asks for in each key: the notes of the key from the C
// string upwards, one per entry, every one with exactly one fingerboard
// stop and one staff row in the key, so that a question can always be
// answered on either side.
#include "model/key.h"

#include <array>
#include <cstddef>

constexpr std::size_t kQuestionsPerKey = 17;
using QuestionTable = std::array<int, kQuestionsPerKey>;

// The table of a key; the chromatic key, and any number that is no key,
// has the table of C major.
const QuestionTable& QuestionTableOf(Key key);
