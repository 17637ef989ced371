// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MIDI output ports of the ALSA sequencer (hardware synthesizers, external
// soft synths), reached through RtMidi's ALSA backend only. A machine
// without a sequencer simply has no ports.
#include "framework/types.h"
#include "sound/midi_output_system.h"

#include <memory>
#include <string>
#include <vector>

class RtMidiOut;

// The port names in the sequencer's order, without the program's own.
std::vector<std::string> ListAlsaMidiOutputs();

class CAlsaMidiOutput {
public:
    // Connects to the port of that name; null with *error set when it is
    // gone or refuses the connection.
    static std::unique_ptr<CAlsaMidiOutput> Open(const std::string& portName, MMRESULT* error);
    ~CAlsaMidiOutput();
    CAlsaMidiOutput(const CAlsaMidiOutput&) = delete;
    CAlsaMidiOutput& operator=(const CAlsaMidiOutput&) = delete;

    MMRESULT Send(DWORD word);

private:
    CAlsaMidiOutput() = default;
    static void OnError(int type, const std::string& text, void* self);

    std::unique_ptr<RtMidiOut> m_pOut;
    bool m_bFailed = false;
};
