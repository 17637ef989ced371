// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A cello played by a physical model of a bowed string (STK's Bowed, a
// waveguide string driven by a bow's friction), not by samples: the notes
// as a student bows them (out of tune, slurred, sliding in, with a wide
// vibrato, over an open string left ringing, with a light bow) and the
// room they are heard in (its reverberation, a laptop microphone's band,
// mains hum, fan noise).
#include <cstdint>
#include <vector>

// One note as the player bows it.
struct BowedNote {
    int pitch = 48;
    // How far the player is from the note, in cents.
    double cents = 0;
    double startSeconds = 0;
    // How long the bow draws it; the string then stops, or rings on.
    double seconds = 0.5;
    // No bow change: the finger moves and the bow goes on.
    bool slurred = false;
    // Slides up into the note from a semitone below over this long.
    double slideSeconds = 0;
    // Vibrato: this far either way, this often.
    double vibratoCents = 0;
    double vibratoHz = 5.5;
    // The bow's pressure on the string and its speed, 0 to 1: a light bow
    // is low in both.
    double bowPressure = 0.5;
    double bowSpeed = 0.7;
    // An open string left ringing once the bow leaves it, dying by 60 dB
    // over this long; 0 for a string that stops with the bow.
    double ringSeconds = 0;
    // Strings sound together only on voices of their own.
    int voice = 0;
};

// The room and the microphone.
struct RoomSound {
    // Reverberation: 0 for none, 1 for a very wet church.
    double reverb = 0;
    double roomSize = 0.5;
    // The microphone's band; 0 for a flat one.
    double lowCutHz = 0;
    double highCutHz = 0;
    // Mains hum at 50 or 60 Hz with its harmonics, dB below the notes.
    double humHz = 0;
    double humBelowDb = 40;
    // Fan noise (rumble and hiss), dB below the notes; 0 for none.
    double noiseBelowDb = 0;
    unsigned seed = 1;
};

// The cello's body, which shapes its harmonics: bodies of different sizes
// make different instruments.
enum class CelloBody { Small, Large };

// Mono samples at 48 kHz of the notes, with the given lead-in and tail of
// silence, heard in the room.
std::vector<float> RenderBowedCello(const std::vector<BowedNote>& notes, CelloBody body, const RoomSound& room,
                                    double tailSeconds);

// The sample rate of what RenderBowedCello returns.
constexpr int kBowedSampleRate = 48000;
