// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/alsa_quiet.h"

#include <alsa/asoundlib.h>

namespace {
int g_depth = 0;

void DiscardAlsaError(const char*, int, const char*, int, const char*, ...) {}
} // namespace

// Only the user-interface thread opens outputs, so a plain counter will do.
CQuietAlsaErrors::CQuietAlsaErrors()
{
    if (g_depth++ == 0)
        snd_lib_error_set_handler(&DiscardAlsaError);
}

CQuietAlsaErrors::~CQuietAlsaErrors()
{
    if (--g_depth == 0)
        snd_lib_error_set_handler(nullptr);
}
