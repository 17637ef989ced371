// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one MIDI output: the chosen device, channel and instrument,
// and the note-on, note-off and program-change words sent to it. It sounds
// one note at a time; note 999 stands for a rest and sends nothing.
#include "framework/object.h"
#include "framework/types.h"
#include "model/pitch.h"
#include "sound/midi_output_system.h"

#include <chrono>
#include <functional>
#include <memory>

class CMidiDevice : public CObject {
public:
    CMidiDevice();
    // Closes an open output, quietly: the synthesizer's audio stops with it.
    ~CMidiDevice() override;
    CMidiDevice(const CMidiDevice&) = delete;
    CMidiDevice& operator=(const CMidiDevice&) = delete;

    // Opens m_nDeviceId and sends the program change; TRUE if both worked.
    BOOL OpenDevice();
    // Closes the output and opens deviceId (-1: the default output).
    void ChangeDevice(int deviceId);
    // Channel 0-15; takes effect with the next note, sends nothing. A new
    // channel gets the program change before its first note.
    void SetChannel(int channel);
    // Rebuilds the program-change word from channel and program; sends nothing.
    void UpdateProgramChange();
    // Rebuilds the program-change word and sends it to the open output.
    MMRESULT SendProgramChange();
    // Stops the sounding note and starts this one. FALSE when no output is open.
    BOOL PlayNoteOn(int note);
    // FALSE when no output is open.
    BOOL PlayNoteOff(int note);

    HMIDIOUT GetHandle() const { return m_hMidiOut; }
    // The program-change word as it goes out: C0h + channel, program, 7Fh, 0.
    DWORD GetProgramChangeWord() const;

    int GetDeviceIndex() const { return m_nDeviceIndex; }
    void SetDeviceIndex(int index) { m_nDeviceIndex = index; }
    int GetChannelIndex() const { return m_nChannelIndex; }
    void SetChannelIndex(int index) { m_nChannelIndex = index; }
    int GetInstrumentIndex() const { return m_nInstrumentIndex; }
    void SetInstrumentIndex(int index) { m_nInstrumentIndex = index; }
    int GetProgram() const { return m_nProgram; }
    void SetProgram(int program) { m_nProgram = program; }

    int GetDeviceId() const { return m_nDeviceId; }
    int GetChannel() const { return m_nChannel; }
    int GetSoundingNote() const { return m_nSoundingNote; }
    // Whether a note of the program sounds now, and when the last one was
    // silenced: a listener must not take the program's own sound for the
    // student's.
    bool IsNoteSounding() const { return m_bNoteSounding; }
    std::chrono::steady_clock::time_point LastSilenced() const { return m_lastSilenced; }

    // Called, on the user-interface thread, when the open output finds out
    // later that it cannot sound: its owner switches MIDI off, as it does
    // when the output does not open at all.
    void SetWhenOutputCannotSound(std::function<void()> switchOff) { m_whenCannotSound = std::move(switchOff); }

private:
    DWORD NoteWord(int status, int note) const;
    // midiOutOpen into m_hMidiOut, hearing of a failure that comes later.
    MMRESULT OpenOutput(int deviceId);
    // The open output found out it cannot sound: said once the main window
    // shows, since the program may still be starting. The output stays
    // open and silent; nothing more is said of it, and its owner is told.
    void OnLateFailure(HMIDIOUT handle, MMRESULT error);
    // The message for a failed open: a missing soundfont says where it was
    // looked for; anything else gets the text given.
    static CString OpenFailureText(MMRESULT error, const CString& otherwise);

    HMIDIOUT m_hMidiOut = nullptr;
    int m_nDeviceId = MIDI_MAPPER;
    int m_nChannel = 0;
    int m_nProgram = 5; // "Chorused Piano"
    int m_nDeviceIndex = 0;
    int m_nChannelIndex = 0;
    int m_nInstrumentIndex = 1;
    int m_nVelocity = 127;
    int m_nSoundingNote = 0;
    // The channel has changed since the program change last went out.
    bool m_bProgramChangeDue = false;
    bool m_bNoteSounding = false;
    std::chrono::steady_clock::time_point m_lastSilenced;
    BYTE m_ProgramChange[4] = { 0xC0, 0x05, 0x7F, 0x00 };
    std::shared_ptr<CMidiOutputSystem::LateFailureHandler> m_pOnLateFailure;
    std::function<void()> m_whenCannotSound;
};
