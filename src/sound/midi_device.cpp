// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/midi_device.h"

#include "framework/main_window_shows.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "framework/resources.h"
#include "sound/builtin_synth.h"

namespace {
const char* const kPatchFailed = "Attempt to initialize patch unsuccessful!  Try configure MIDI.";
constexpr UINT kBoxStyle = MB_OK | MB_ICONEXCLAMATION;
} // namespace

CMidiDevice::CMidiDevice()
    : m_pOnLateFailure(std::make_shared<CMidiOutputSystem::LateFailureHandler>(
        [this](HMIDIOUT handle, MMRESULT error) { OnLateFailure(handle, error); }))
{
}

CMidiDevice::~CMidiDevice()
{
    if (m_hMidiOut)
        midiOutClose(m_hMidiOut);
}

DWORD CMidiDevice::GetProgramChangeWord() const
{
    return DWORD(m_ProgramChange[0]) | DWORD(m_ProgramChange[1]) << 8 | DWORD(m_ProgramChange[2]) << 16
        | DWORD(m_ProgramChange[3]) << 24;
}

DWORD CMidiDevice::NoteWord(int status, int note) const
{
    // Every part is cut to a byte: a channel or note out of range shows in
    // the word instead of spilling into the next byte.
    return DWORD((status + m_nChannel) & 0xFF) | DWORD(note & 0xFF) << 8 | DWORD(m_nVelocity & 0xFF) << 16;
}

CString CMidiDevice::OpenFailureText(MMRESULT error, const CString& otherwise)
{
    if (error != MIDIERR_NOSOUNDFONT)
        return otherwise;
    return AfxLoadString(IDS_NO_SOUNDFONT).arg(CBuiltinSynth::SoundFontCandidates().join(QLatin1Char('\n')));
}

MMRESULT CMidiDevice::OpenOutput(int deviceId)
{
    AfxGetMidiOutputSystem().SetLateFailureHandler(m_pOnLateFailure);
    return midiOutOpen(&m_hMidiOut, deviceId);
}

void CMidiDevice::OnLateFailure(HMIDIOUT handle, MMRESULT error)
{
    if (handle != m_hMidiOut)
        return;
    const CString text = OpenFailureText(error, AfxLoadString(IDS_MIDI_OPEN_FAILED));
    AfxCallWhenMainWindowShows([text] { AfxMessageBox(text, kBoxStyle); });
    if (m_whenCannotSound)
        m_whenCannotSound();
}

BOOL CMidiDevice::OpenDevice()
{
    if (const MMRESULT error = OpenOutput(m_nDeviceId); error != MMSYSERR_NOERROR) {
        AfxMessageBox(OpenFailureText(error, AfxLoadString(IDS_MIDI_OPEN_FAILED)), kBoxStyle);
        m_hMidiOut = nullptr;
        return FALSE;
    }
    m_bProgramChangeDue = false;
    if (midiOutShortMsg(m_hMidiOut, GetProgramChangeWord()) != MMSYSERR_NOERROR) {
        AfxMessageBox(kPatchFailed, kBoxStyle);
        return FALSE;
    }
    return TRUE;
}

void CMidiDevice::ChangeDevice(int deviceId)
{
    m_nVelocity = 127;
    UpdateProgramChange();

    if (m_hMidiOut && midiOutClose(m_hMidiOut) != MMSYSERR_NOERROR)
        AfxMessageBox("Attempt to close MIDI device was unsuccessful!", kBoxStyle);

    m_nDeviceId = deviceId;
    m_nDeviceIndex = deviceId == MIDI_MAPPER ? 0 : deviceId + 1;

    if (const MMRESULT error = OpenOutput(deviceId); error != MMSYSERR_NOERROR) {
        AfxMessageBox(OpenFailureText(error, "Attempt to open MIDI device was unsuccessful!"), kBoxStyle);
        m_hMidiOut = nullptr;
        return;
    }
    m_bProgramChangeDue = false;
    if (midiOutShortMsg(m_hMidiOut, GetProgramChangeWord()) != MMSYSERR_NOERROR)
        AfxMessageBox(kPatchFailed, kBoxStyle);
}

void CMidiDevice::SetChannel(int channel)
{
    // Without its program change a new channel would play the output's
    // default sound, or drums on channel 10.
    if (channel != m_nChannel)
        m_bProgramChangeDue = true;
    m_nChannel = channel;
    m_ProgramChange[0] = BYTE(0xC0 + channel);
}

void CMidiDevice::UpdateProgramChange()
{
    m_ProgramChange[0] = BYTE(0xC0 + m_nChannel);
    m_ProgramChange[1] = BYTE(m_nProgram);
    m_ProgramChange[2] = BYTE(m_nVelocity);
    m_ProgramChange[3] = 0;
}

MMRESULT CMidiDevice::SendProgramChange()
{
    if (!m_hMidiOut)
        return MMSYSERR_INVALHANDLE;
    UpdateProgramChange();
    const MMRESULT result = midiOutShortMsg(m_hMidiOut, GetProgramChangeWord());
    if (result == MMSYSERR_NOERROR)
        m_bProgramChangeDue = false;
    return result;
}

BOOL CMidiDevice::PlayNoteOn(int note)
{
    if (!m_hMidiOut)
        return FALSE;
    if (m_nSoundingNote != 0) {
        PlayNoteOff(m_nSoundingNote);
        m_nSoundingNote = 0;
    }
    if (note == kRestPitch)
        return TRUE;
    if (m_bProgramChangeDue)
        SendProgramChange();
    m_nSoundingNote = note;
    midiOutShortMsg(m_hMidiOut, NoteWord(0x90, note));
    m_bNoteSounding = true;
    return TRUE;
}

BOOL CMidiDevice::PlayNoteOff(int note)
{
    if (!m_hMidiOut)
        return FALSE;
    if (note != kRestPitch)
        midiOutShortMsg(m_hMidiOut, NoteWord(0x80, note));
    if (m_bNoteSounding)
        m_lastSilenced = std::chrono::steady_clock::now();
    m_bNoteSounding = false;
    return TRUE;
}
