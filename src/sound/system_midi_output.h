// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The machine's MIDI outputs: device 0 is the built-in synthesizer (also
// the default output), devices 1.. the ALSA sequencer ports in their order.
// While the program starts, the synthesizer's output opens at once and the
// synthesizer behind it after the main window's first painting (CSynthPort).
#include "sound/builtin_synth.h"
#include "sound/midi_output_system.h"

#include <optional>
#include <string>
#include <vector>

class CSystemMidiOutput : public CMidiOutputSystem {
public:
    CSystemMidiOutput() = default;
    // The built-in synthesizer tries these soundfonts instead of the usual
    // ones, loading them through runInBackground.
    CSystemMidiOutput(QStringList soundFonts, CBuiltinSynth::BackgroundRunner runInBackground);

    UINT GetNumDevs() override;
    CString GetProductName(int deviceId) override;
    MMRESULT Open(int deviceId, HMIDIOUT* handle) override;
    MMRESULT ShortMsg(HMIDIOUT handle, DWORD message) override;
    MMRESULT Close(HMIDIOUT handle) override;

private:
    // Open for the built-in synthesizer.
    MMRESULT OpenSynth(HMIDIOUT* handle);
    // Whether the sequencer port of this id is in the list, which is read
    // again first if it is not.
    bool HasPort(int deviceId);

    // The port list as last shown, so that a device id keeps naming the
    // port the user saw even if ports come and go meanwhile.
    std::vector<std::string> m_ports;
    std::optional<QStringList> m_soundFonts;
    CBuiltinSynth::BackgroundRunner m_runInBackground;
};
