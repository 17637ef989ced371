// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The default MIDI output system, the real one, wired in a file of its
// own: the interface's users and stand-ins do not include the real one.
#include "sound/midi_output_system.h"

#include "sound/system_midi_output.h"

CMidiOutputSystem* CServiceDefault<CMidiOutputSystem>::Get()
{
    // Never destroyed: the document may close its output during exit,
    // after function statics are gone.
    static CSystemMidiOutput* const real = new CSystemMidiOutput;
    return real;
}
