// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The MIDI output system the device talks to: device count, product name,
// open, one packed short message, close. Results are 0 for success and an
// error code otherwise. Device id 0 is the built-in synthesizer, ids 1.. are
// the ALSA sequencer output ports; MIDI_MAPPER (-1) opens the default
// output. Tests install their own system as the CService of
// CMidiOutputSystem.
#include "framework/service.h"
#include "framework/types.h"

#include <functional>
#include <memory>

using MMRESULT = UINT;

constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_ERROR = 1;
constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
constexpr MMRESULT MMSYSERR_ALLOCATED = 4;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_NODRIVER = 6;
constexpr MMRESULT MMSYSERR_NOMEM = 7;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT MIDIERR_NODEVICE = 68;
// Ours, past the system's MIDI errors: the synthesizer found no soundfont
// that loads.
constexpr MMRESULT MIDIERR_NOSOUNDFONT = 72;

constexpr int MIDI_MAPPER = -1;

// An open output. Each system derives its own kind and only accepts handles
// of that kind, so a stray handle is refused instead of misused.
class CMidiOutPort {
public:
    virtual ~CMidiOutPort() = default;
};
using HMIDIOUT = CMidiOutPort*;

class CMidiOutputSystem {
public:
    virtual ~CMidiOutputSystem() = default;
    virtual UINT GetNumDevs() = 0;
    // Empty when there is no such device.
    virtual CString GetProductName(int deviceId) = 0;
    // On success *handle is the open output; on failure it is set to null.
    virtual MMRESULT Open(int deviceId, HMIDIOUT* handle) = 0;
    // The word is packed first byte lowest: status | data1 << 8 | data2 << 16.
    virtual MMRESULT ShortMsg(HMIDIOUT handle, DWORD message) = 0;
    // On success the handle is gone.
    virtual MMRESULT Close(HMIDIOUT handle) = 0;

    // An output may open before it can sound (the built-in synthesizer
    // loads its soundfont after it opens) and find out later that it
    // cannot. The handler hears of it on the user-interface thread, with
    // the handle, still open, and the error; it is held weakly, so it is
    // gone with its owner.
    using LateFailureHandler = std::function<void(HMIDIOUT handle, MMRESULT error)>;
    void SetLateFailureHandler(std::weak_ptr<LateFailureHandler> handler) { m_onLateFailure = std::move(handler); }

protected:
    void ReportLateFailure(HMIDIOUT handle, MMRESULT error) const
    {
        if (const auto handler = m_onLateFailure.lock())
            (*handler)(handle, error);
    }

private:
    std::weak_ptr<LateFailureHandler> m_onLateFailure;
};

// The real system is the default.
template <>
struct CServiceDefault<CMidiOutputSystem> {
    static CMidiOutputSystem* Get();
};

// The system in use: the real one unless a test has installed another.
inline CMidiOutputSystem& AfxGetMidiOutputSystem() { return *CService<CMidiOutputSystem>::Get(); }

// The calls under the names the device's algorithms use; each goes to the
// current system.
inline UINT midiOutGetNumDevs() { return AfxGetMidiOutputSystem().GetNumDevs(); }
inline MMRESULT midiOutOpen(HMIDIOUT* handle, int deviceId) { return AfxGetMidiOutputSystem().Open(deviceId, handle); }
inline MMRESULT midiOutShortMsg(HMIDIOUT handle, DWORD message) { return AfxGetMidiOutputSystem().ShortMsg(handle, message); }
inline MMRESULT midiOutClose(HMIDIOUT handle) { return AfxGetMidiOutputSystem().Close(handle); }
