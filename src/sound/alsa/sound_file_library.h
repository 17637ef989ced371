// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// libsndfile, which reads the wave sounds and the recordings listened to,
// loaded when a sound file is first read rather than as the program
// starts: it brings seven codec libraries with it. Its functions are found
// as a linked library's are, the program's own definitions first.
#include <sndfile.h>

struct SoundFileLibrary {
    decltype(&::sf_open) sf_open = nullptr;
    decltype(&::sf_close) sf_close = nullptr;
    decltype(&::sf_readf_short) sf_readf_short = nullptr;
    decltype(&::sf_readf_float) sf_readf_float = nullptr;
    decltype(&::sf_error) sf_error = nullptr;
    decltype(&::sf_strerror) sf_strerror = nullptr;
};

// The library, loaded by the first call from any thread and kept; null
// when it does not load.
const SoundFileLibrary* LoadSoundFileLibrary();
