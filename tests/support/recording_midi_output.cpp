// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recording_midi_output.h"

class CRecordingMidiOutput::CPort : public CMidiOutPort {
public:
    explicit CPort(int deviceId) : m_nDeviceId(deviceId) {}
    int m_nDeviceId;
    bool m_bOpen = true;
};

CRecordingMidiOutput::CRecordingMidiOutput() : m_names{ CString("Recorder") } {}

CRecordingMidiOutput::~CRecordingMidiOutput() = default;

std::vector<DWORD> CRecordingMidiOutput::Words(int deviceId) const
{
    const auto it = m_words.find(deviceId);
    return it == m_words.end() ? std::vector<DWORD>() : it->second;
}

void CRecordingMidiOutput::ClearWords()
{
    m_words.clear();
    m_all.clear();
}

std::vector<int> CRecordingMidiOutput::OpenDevices() const
{
    std::vector<int> ids;
    for (const auto& port : m_ports) {
        if (port->m_bOpen)
            ids.push_back(port->m_nDeviceId);
    }
    return ids;
}

void CRecordingMidiOutput::FailLate(MMRESULT error)
{
    for (const auto& port : m_ports) {
        if (port->m_bOpen)
            ReportLateFailure(port.get(), error);
    }
}

UINT CRecordingMidiOutput::GetNumDevs()
{
    return UINT(m_names.size());
}

CString CRecordingMidiOutput::GetProductName(int deviceId)
{
    if (deviceId < 0 || std::size_t(deviceId) >= m_names.size())
        return CString();
    return m_names[std::size_t(deviceId)];
}

MMRESULT CRecordingMidiOutput::Open(int deviceId, HMIDIOUT* handle)
{
    *handle = nullptr;
    if (m_openError != MMSYSERR_NOERROR)
        return m_openError;
    if (deviceId != MIDI_MAPPER && (deviceId < 0 || std::size_t(deviceId) >= m_names.size()))
        return MMSYSERR_BADDEVICEID;
    if (deviceId == MIDI_MAPPER && m_names.empty())
        return MMSYSERR_NODRIVER;
    m_ports.push_back(std::make_unique<CPort>(deviceId));
    ++m_opens;
    *handle = m_ports.back().get();
    return MMSYSERR_NOERROR;
}

CRecordingMidiOutput::CPort* CRecordingMidiOutput::Find(HMIDIOUT handle) const
{
    for (const auto& port : m_ports) {
        if (port.get() == handle && port->m_bOpen)
            return port.get();
    }
    return nullptr;
}

MMRESULT CRecordingMidiOutput::ShortMsg(HMIDIOUT handle, DWORD message)
{
    CPort* port = Find(handle);
    if (!port)
        return MMSYSERR_INVALHANDLE;
    if (m_sendError != MMSYSERR_NOERROR)
        return m_sendError;
    m_words[port->m_nDeviceId].push_back(message);
    m_all.push_back(message);
    return MMSYSERR_NOERROR;
}

MMRESULT CRecordingMidiOutput::Close(HMIDIOUT handle)
{
    CPort* port = Find(handle);
    if (!port)
        return MMSYSERR_INVALHANDLE;
    if (m_closeError != MMSYSERR_NOERROR)
        return m_closeError;
    port->m_bOpen = false;
    ++m_closes;
    return MMSYSERR_NOERROR;
}
