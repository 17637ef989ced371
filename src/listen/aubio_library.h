// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// aubio, loaded when the program first listens rather than as it starts:
// it brings well over a hundred libraries (audio and video codecs among
// them), whose loading would hold up the first window longer than all
// the rest of the program.
#include <aubio/aubio.h>

struct AubioLibrary {
    decltype(&::new_aubio_pitch) new_aubio_pitch = nullptr;
    decltype(&::del_aubio_pitch) del_aubio_pitch = nullptr;
    decltype(&::aubio_pitch_set_unit) aubio_pitch_set_unit = nullptr;
    decltype(&::aubio_pitch_set_tolerance) aubio_pitch_set_tolerance = nullptr;
    decltype(&::aubio_pitch_set_silence) aubio_pitch_set_silence = nullptr;
    decltype(&::aubio_pitch_do) aubio_pitch_do = nullptr;
    decltype(&::aubio_pitch_get_confidence) aubio_pitch_get_confidence = nullptr;
    decltype(&::new_fvec) new_fvec = nullptr;
    decltype(&::del_fvec) del_fvec = nullptr;
};

// The library, loaded by the first call from any thread and kept; null
// when it does not load.
const AubioLibrary* LoadAubio();
