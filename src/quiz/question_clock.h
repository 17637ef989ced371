// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock that chooses Show Me questions, read in whole seconds. Tests
// install a clock of their own to fix the questions asked.
#include "framework/service.h"

#include <ctime>

class CQuestionClock {
public:
    virtual ~CQuestionClock() = default;
    // The current time in whole seconds.
    virtual std::time_t Now() const = 0;
};

// The system clock is the default.
template <>
struct CServiceDefault<CQuestionClock> {
    static CQuestionClock* Get();
};

inline const CQuestionClock& AfxGetQuestionClock() { return *CService<CQuestionClock>::Get(); }
