// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/alsa_midi_ports.h"

#include "sound/alsa_quiet.h"
#include "sound/midi_short_message.h"

#include <rtmidi/RtMidi.h>
#include <unistd.h>

namespace {

const char* const kClientName = "Voldrim";

// Null when there is no sequencer. RtMidi would throw from its
// constructor then, after printing to the terminal, so a machine without
// the sequencer device is answered before asking it. Never the JACK
// backend: it crashes without a JACK server.
std::unique_ptr<RtMidiOut> NewSequencerClient()
{
    if (access("/dev/snd/seq", R_OK | W_OK) != 0)
        return nullptr;
    CQuietAlsaErrors quiet;
    try {
        return std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, kClientName);
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

bool IsOwnPort(const std::string& name)
{
    const std::string prefix = std::string(kClientName) + ":";
    return name.compare(0, prefix.size(), prefix) == 0;
}

void IgnoreError(RtMidiError::Type, const std::string&, void*) {}

// (raw port number, name) of every port that is not ours.
std::vector<std::pair<unsigned int, std::string>> ForeignPorts(RtMidiOut& client)
{
    client.setErrorCallback(&IgnoreError, nullptr);
    std::vector<std::pair<unsigned int, std::string>> ports;
    const unsigned int count = client.getPortCount();
    for (unsigned int i = 0; i < count; ++i) {
        const std::string name = client.getPortName(i);
        if (!name.empty() && !IsOwnPort(name))
            ports.emplace_back(i, name);
    }
    return ports;
}

} // namespace

std::vector<std::string> ListAlsaMidiOutputs()
{
    std::vector<std::string> names;
    if (auto client = NewSequencerClient()) {
        for (auto& port : ForeignPorts(*client))
            names.push_back(std::move(port.second));
    }
    return names;
}

std::unique_ptr<CAlsaMidiOutput> CAlsaMidiOutput::Open(const std::string& portName, MMRESULT* error)
{
    *error = MMSYSERR_NOERROR;
    auto client = NewSequencerClient();
    if (!client) {
        *error = MMSYSERR_NODRIVER;
        return nullptr;
    }
    for (const auto& port : ForeignPorts(*client)) {
        if (port.second != portName)
            continue;
        std::unique_ptr<CAlsaMidiOutput> output(new CAlsaMidiOutput);
        client->setErrorCallback(
            [](RtMidiError::Type type, const std::string& text, void* self) { OnError(int(type), text, self); },
            output.get());
        client->openPort(port.first, "Voldrim Output");
        if (output->m_bFailed || !client->isPortOpen()) {
            client->setErrorCallback(&IgnoreError, nullptr);
            *error = MMSYSERR_ALLOCATED;
            return nullptr;
        }
        output->m_pOut = std::move(client);
        return output;
    }
    *error = MMSYSERR_BADDEVICEID;
    return nullptr;
}

CAlsaMidiOutput::~CAlsaMidiOutput() = default;

void CAlsaMidiOutput::OnError(int type, const std::string&, void* self)
{
    if (type != RtMidiError::WARNING && type != RtMidiError::DEBUG_WARNING)
        static_cast<CAlsaMidiOutput*>(self)->m_bFailed = true;
}

MMRESULT CAlsaMidiOutput::Send(DWORD word)
{
    const CMidiBytes message = UnpackShortMessage(word);
    if (message.size == 0)
        return MMSYSERR_INVALPARAM;
    m_bFailed = false;
    m_pOut->sendMessage(message.bytes.data(), message.size);
    return m_bFailed ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
}
