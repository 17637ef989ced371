// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A MIDI output system that plays nothing and keeps every word sent, in
// order, per device. It is the system in use while it lives. Tests choose
// its device list, and can make open, send or close fail with a given code.
#include "sound/midi_output_system.h"

#include <map>
#include <memory>
#include <vector>

class CRecordingMidiOutput : public CMidiOutputSystem {
public:
    // One device, named "Recorder", unless told otherwise.
    CRecordingMidiOutput();
    ~CRecordingMidiOutput() override;

    void SetDevices(std::vector<CString> productNames) { m_names = std::move(productNames); }
    // A non-zero code makes every later call of that kind fail with it;
    // MMSYSERR_NOERROR makes them succeed again.
    void FailOpen(MMRESULT error) { m_openError = error; }
    void FailSend(MMRESULT error) { m_sendError = error; }
    void FailClose(MMRESULT error) { m_closeError = error; }
    // Every output open now finds out it cannot sound after all, as a
    // synthesizer whose soundfont did not load, and says so with error.
    void FailLate(MMRESULT error);

    // Words that reached device id (MIDI_MAPPER included), in order.
    std::vector<DWORD> Words(int deviceId) const;
    // Every word that reached any device, in order.
    const std::vector<DWORD>& AllWords() const { return m_all; }
    void ClearWords();

    int OpenCount() const { return m_opens; }
    int CloseCount() const { return m_closes; }
    // Device ids of the outputs open now.
    std::vector<int> OpenDevices() const;

    UINT GetNumDevs() override;
    CString GetProductName(int deviceId) override;
    MMRESULT Open(int deviceId, HMIDIOUT* handle) override;
    MMRESULT ShortMsg(HMIDIOUT handle, DWORD message) override;
    MMRESULT Close(HMIDIOUT handle) override;

private:
    class CPort;
    CPort* Find(HMIDIOUT handle) const;

    std::vector<CString> m_names;
    // Ports stay allocated until the system goes, so a handle that failed
    // to close, or was closed, is never a dangling pointer.
    std::vector<std::unique_ptr<CPort>> m_ports;
    std::map<int, std::vector<DWORD>> m_words;
    std::vector<DWORD> m_all;
    MMRESULT m_openError = MMSYSERR_NOERROR;
    MMRESULT m_sendError = MMSYSERR_NOERROR;
    MMRESULT m_closeError = MMSYSERR_NOERROR;
    int m_opens = 0;
    int m_closes = 0;
    CServiceOverride<CMidiOutputSystem> m_installed{this};
};
