// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MIDI output ports of the ALSA sequencer (hardware synthesizers, external
// soft synths), reached through RtMidi's ALSA backend only. A machine
// without a sequencer, or without RtMidi, simply has no ports. RtMidi is
// loaded when the ports are first asked for, not as the program starts:
// it brings JACK and Berkeley DB with it.
#include "framework/types.h"
#include "sound/midi_output_system.h"

#include <memory>
#include <string>
#include <vector>

struct RtMidiWrapper;

// Frees a sequencer client through the library that made it.
struct CSequencerClientFree {
    void operator()(RtMidiWrapper* client) const;
};

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

    std::unique_ptr<RtMidiWrapper, CSequencerClientFree> m_pOut;
    bool m_bFailed = false;
};
