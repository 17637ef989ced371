// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words a synthesizer is sent before its soundfont has loaded, kept to
// be played once it has. A note still held then starts then; a note that
// was stopped meanwhile is dropped with its stop, since starting it late
// would put it out of time with whatever came after it.
#include "framework/types.h"

#include <vector>

class CPendingMidiWords {
public:
    void Add(DWORD word);
    // The words to play now, in the order they came; none are left.
    std::vector<DWORD> Take();

private:
    std::vector<DWORD> m_words;
};
