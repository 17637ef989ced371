// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_file_library.h"

#include "framework/loaded_library.h"

namespace {

bool FindAll(SoundFileLibrary& sndfile)
{
    return AfxFindFunction(sndfile.sf_open, "sf_open") && AfxFindFunction(sndfile.sf_close, "sf_close")
        && AfxFindFunction(sndfile.sf_readf_short, "sf_readf_short")
        && AfxFindFunction(sndfile.sf_readf_float, "sf_readf_float") && AfxFindFunction(sndfile.sf_error, "sf_error")
        && AfxFindFunction(sndfile.sf_strerror, "sf_strerror");
}

} // namespace

const SoundFileLibrary* LoadSoundFileLibrary()
{
    return AfxLoadedLibrary<SoundFileLibrary>(VOLDRIM_SNDFILE_LIBRARY, FindAll);
}
