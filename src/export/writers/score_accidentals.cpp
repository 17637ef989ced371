// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/score_accidentals.h"

std::optional<ScoreAccidental> ScoreAccidentals::Next(const StaffSpelling& spelling)
{
    std::optional<int>& shown = m_shown[std::size_t(spelling.row)];
    const int read = shown.value_or(spelling.keyAlter);
    shown = spelling.alter;
    if (spelling.alter == spelling.keyAlter && spelling.alter == read)
        return std::nullopt;
    return ScoreAccidental{spelling.alter, spelling.alter == spelling.keyAlter};
}
