// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hints sent with UpdateAllViews: what a change asks the views to
// repaint. Each view answers them in its OnUpdate.
#include "framework/types.h"

enum UpdateHint : LPARAM {
    // Every view repaints everything.
    HintRepaintAll = 0,
    // A note was chosen, or the tempo changed: the staff repaints its header
    // band, where a note handed to it is written; the fingerboard repaints
    // one pixel, which is enough to show the chosen stop in red.
    HintNoteOrTempo = 1,
    // Playback has reached a note: the fingerboard shows its stop.
    HintPlaybackNote = 2,
    // A wrong answer is to be tried again: the fingerboard hides its Show Me
    // button and repaints everything.
    HintTryAgain = 4,
};
