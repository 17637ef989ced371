// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/string_table.h"

#include <map>

namespace {

const std::map<UINT, const char*>& StringTable()
{
    static const std::map<UINT, const char*> table = {
        // Document string: title, base name, new-file type, filter,
        // extension, file-type id, file-type name.
        { 2, "Voldrim\n\nVoldrim Document\nVoldrim Melodies (*.vdm)\n.vdm\nVoldrimMelody\nVoldrim Melody" },
        { 3, "Voldrim could not open your MIDI device.  Please close other applications that may be using the "
             "MIDI device and try again." },
        { 4, "Yipes!  You already have a note at the end of the staff!  To keep your current melody, press YES.  "
             "To start a new melody, press NO." },
        { 6, "'Voldrim cannot give Show Me questions in chromatic mode.  Please choose a key and try again!" },
        { 7, "Show Me questions require both the staff and the fingerboard be visible.  Choose 'Fingerboard and "
             "Staff' under the 'Display' Menu and try again!" },
        { 8, "Version " VOLDRIM_VERSION },
        { 10, "The MIDI device is not responding. " },
        { 15, "Click the fingerboard then the card to see the note name of the stop!" },
        { 21,
          "Voldrim could not load a soundfont, so its synthesizer cannot play notes.  It looked in these "
          "places:\n\n%1\n\nInstall a General MIDI soundfont (such as the fluid-soundfont-gm package) or name "
          "one in VOLDRIM_SOUNDFONT, then start Voldrim again." },
        { 22,
          "Voldrim could not open a sound input, so it cannot listen to your cello.  Connect a microphone (or "
          "choose one in your system's sound settings) and try again." },
        { 23, "Voldrim stopped listening: the sound input stopped working." },
        { 57344, "Voldrim" },
    };
    return table;
}

} // namespace

CString ProgramString(UINT id)
{
    const auto& table = StringTable();
    const auto it = table.find(id);
    return it == table.end() ? CString() : CString::fromLatin1(it->second);
}
