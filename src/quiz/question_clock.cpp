// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/question_clock.h"

namespace {

class CSystemClock : public CQuestionClock {
public:
    std::time_t Now() const override { return std::time(nullptr); }
};

}  // namespace

CQuestionClock* CServiceDefault<CQuestionClock>::Get()
{
    static CSystemClock clock;
    return &clock;
}
