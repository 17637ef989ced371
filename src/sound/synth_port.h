// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in synthesizer as an open MIDI output. The output may open
// before the synthesizer behind it: that one, with its audio output, then
// opens when asked, on a thread of its own, so that neither FluidSynth nor
// the sound server holds up the program's first window. Words sent
// meanwhile wait for it as they wait for its soundfont (CPendingMidiWords):
// a note still held when it opens sounds then. What keeps the output from
// sounding (no audio output, no soundfont) is told once, on the
// user-interface thread.
#include "sound/builtin_synth.h"
#include "sound/midi_output_system.h"

#include <QTimer>
#include <functional>
#include <memory>

class CSynthPort : public CMidiOutPort {
public:
    // Opens the synthesizer; null, with the reason's code in *error, when
    // it does not open.
    using Opener = std::function<std::unique_ptr<CBuiltinSynth>(MMRESULT* error)>;
    // Called with the port, still open, and the error.
    using FailureHandler = std::function<void(CSynthPort* port, MMRESULT error)>;

    // With its synthesizer open already.
    CSynthPort(std::unique_ptr<CBuiltinSynth> synth, FailureHandler onFailed);
    // With none yet, until the OpeningCall runs.
    explicit CSynthPort(FailureHandler onFailed);
    // Waits for an opening under way.
    ~CSynthPort() override;
    CSynthPort(const CSynthPort&) = delete;
    CSynthPort& operator=(const CSynthPort&) = delete;

    // The call that opens the synthesizer, on a thread of its own. It may
    // be kept for later: once the port has closed it does nothing.
    std::function<void()> OpeningCall(Opener open);
    MMRESULT Send(DWORD word);
    // Whether the synthesizer has opened: words go straight to it.
    bool IsSynthOpen() const;

private:
    // What the port shares with its opening thread.
    struct Opening;

    // Whether the output has found out whether it can sound; tells it if not.
    void Watch();

    std::shared_ptr<Opening> m_pOpening;
    FailureHandler m_onFailed;
    QTimer m_watch;
};
