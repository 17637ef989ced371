// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Takes of a student's playing on the bowed-string model, one way of
// playing each, with the notes they hold: what the listener should hear.
// A take is drawn from a seed: its notes, their tuning and bowing, the
// instrument's body and the room all vary from seed to seed.
#include "support/cello_material.h"

enum class CelloWay {
    // Separate bows, with a little error in tune.
    Detached,
    // The low strings held (and G2, Ab2 with a light bow).
    HeldLow,
    // Chromatic runs slurred in one bow, each note 20 to 35 cents out.
    LegatoOutOfTune,
    // Each note slid into from a semitone below over 100 to 200 ms.
    SlideIn,
    // An open string bowed and left ringing, a stopped note over it.
    OverOpenString,
    // Vibrato of 60 to 80 cents either way.
    WideVibrato,
    // A light, slow bow.
    LightBow,
    // Eighths at 120 beats a minute, some repeated.
    QuickEighths,
    // Fan noise 10 dB below the notes.
    FanNoise,
    // A very wet room.
    WetRoom,
};

constexpr CelloWay kCelloWays[] = {CelloWay::Detached,  CelloWay::HeldLow,        CelloWay::LegatoOutOfTune,
                                   CelloWay::SlideIn,   CelloWay::OverOpenString, CelloWay::WideVibrato,
                                   CelloWay::LightBow,  CelloWay::QuickEighths,   CelloWay::FanNoise,
                                   CelloWay::WetRoom};
const char* CelloWayName(CelloWay way);

// About the given number of notes played that way, rendered.
CelloRecording PlayBowedTake(CelloWay way, int notes, unsigned seed);
