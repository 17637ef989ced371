// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/aubio_library.h"

#include "framework/loaded_library.h"

namespace {

bool FindAll(AubioLibrary& aubio)
{
    return AfxFindFunction(aubio.new_aubio_pitch, "new_aubio_pitch")
        && AfxFindFunction(aubio.del_aubio_pitch, "del_aubio_pitch")
        && AfxFindFunction(aubio.aubio_pitch_set_unit, "aubio_pitch_set_unit")
        && AfxFindFunction(aubio.aubio_pitch_set_tolerance, "aubio_pitch_set_tolerance")
        && AfxFindFunction(aubio.aubio_pitch_set_silence, "aubio_pitch_set_silence")
        && AfxFindFunction(aubio.aubio_pitch_do, "aubio_pitch_do")
        && AfxFindFunction(aubio.aubio_pitch_get_confidence, "aubio_pitch_get_confidence")
        && AfxFindFunction(aubio.new_fvec, "new_fvec") && AfxFindFunction(aubio.del_fvec, "del_fvec");
}

} // namespace

const AubioLibrary* LoadAubio()
{
    return AfxLoadedLibrary<AubioLibrary>(VOLDRIM_AUBIO_LIBRARY, FindAll);
}
