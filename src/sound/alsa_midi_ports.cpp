// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/alsa_midi_ports.h"

#include "framework/loaded_library.h"
#include "sound/alsa_quiet.h"
#include "sound/midi_short_message.h"

#include <rtmidi/RtMidi.h>
#include <rtmidi/rtmidi_c.h>
#include <unistd.h>

namespace {

const char* const kClientName = "Voldrim";

// RtMidi's C interface, and the client's own error callback, reached
// through the object the library made: RtMidi reports through it rather
// than on the terminal.
struct RtMidiLibrary {
    decltype(&::rtmidi_out_create) rtmidi_out_create = nullptr;
    decltype(&::rtmidi_out_free) rtmidi_out_free = nullptr;
    decltype(&::rtmidi_get_port_count) rtmidi_get_port_count = nullptr;
    decltype(&::rtmidi_get_port_name) rtmidi_get_port_name = nullptr;
    decltype(&::rtmidi_open_port) rtmidi_open_port = nullptr;
    decltype(&::rtmidi_out_send_message) rtmidi_out_send_message = nullptr;
};

bool FindAll(RtMidiLibrary& rtmidi)
{
    return AfxFindFunction(rtmidi.rtmidi_out_create, "rtmidi_out_create")
        && AfxFindFunction(rtmidi.rtmidi_out_free, "rtmidi_out_free")
        && AfxFindFunction(rtmidi.rtmidi_get_port_count, "rtmidi_get_port_count")
        && AfxFindFunction(rtmidi.rtmidi_get_port_name, "rtmidi_get_port_name")
        && AfxFindFunction(rtmidi.rtmidi_open_port, "rtmidi_open_port")
        && AfxFindFunction(rtmidi.rtmidi_out_send_message, "rtmidi_out_send_message");
}

const RtMidiLibrary* RtMidiLoaded()
{
    return AfxLoadedLibrary<RtMidiLibrary>(VOLDRIM_RTMIDI_LIBRARY, FindAll);
}

using SequencerClient = std::unique_ptr<RtMidiWrapper, CSequencerClientFree>;

// RtMidi's type information lives in the library loaded when first
// needed, so a build that checks each virtual call's type cannot link it.
#if defined(__clang__)
#define VOLDRIM_CALLS_INTO_LOADED_LIBRARY __attribute__((no_sanitize("vptr")))
#else
#define VOLDRIM_CALLS_INTO_LOADED_LIBRARY
#endif

VOLDRIM_CALLS_INTO_LOADED_LIBRARY void SetErrorCallback(RtMidiWrapper& client, RtMidiErrorCallback callback,
                                                        void* data)
{
    static_cast<RtMidi*>(client.ptr)->setErrorCallback(callback, data);
}

// Null when there is no sequencer or no RtMidi. RtMidi would fail in its
// constructor then, after printing to the terminal, so a machine without
// the sequencer device is answered before asking it. Never the JACK
// backend: it crashes without a JACK server.
SequencerClient NewSequencerClient()
{
    if (access("/dev/snd/seq", R_OK | W_OK) != 0)
        return nullptr;
    const RtMidiLibrary* rtmidi = RtMidiLoaded();
    if (!rtmidi)
        return nullptr;
    CQuietAlsaErrors quiet;
    SequencerClient client(rtmidi->rtmidi_out_create(RTMIDI_API_LINUX_ALSA, kClientName));
    if (!client || !client->ok || !client->ptr)
        return nullptr;
    return client;
}

bool IsOwnPort(const std::string& name)
{
    const std::string prefix = std::string(kClientName) + ":";
    return name.compare(0, prefix.size(), prefix) == 0;
}

void IgnoreError(RtMidiError::Type, const std::string&, void*) {}

std::string PortName(RtMidiWrapper& client, unsigned int port)
{
    const RtMidiLibrary& rtmidi = *RtMidiLoaded();
    int size = 0;
    if (rtmidi.rtmidi_get_port_name(&client, port, nullptr, &size) < 0 || size <= 1)
        return {};
    std::string name(std::size_t(size), '\0');
    if (rtmidi.rtmidi_get_port_name(&client, port, name.data(), &size) < 0)
        return {};
    name.resize(name.find('\0') == std::string::npos ? name.size() : name.find('\0'));
    return name;
}

// (raw port number, name) of every port that is not ours.
std::vector<std::pair<unsigned int, std::string>> ForeignPorts(RtMidiWrapper& client)
{
    SetErrorCallback(client, &IgnoreError, nullptr);
    std::vector<std::pair<unsigned int, std::string>> ports;
    const unsigned int count = RtMidiLoaded()->rtmidi_get_port_count(&client);
    for (unsigned int i = 0; i < count; ++i) {
        std::string name = PortName(client, i);
        if (!name.empty() && !IsOwnPort(name))
            ports.emplace_back(i, std::move(name));
    }
    return ports;
}

} // namespace

void CSequencerClientFree::operator()(RtMidiWrapper* client) const
{
    RtMidiLoaded()->rtmidi_out_free(client);
}

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
        SetErrorCallback(
            *client, [](RtMidiError::Type type, const std::string& text, void* self) { OnError(int(type), text, self); },
            output.get());
        RtMidiLoaded()->rtmidi_open_port(client.get(), port.first, "Voldrim Output");
        if (output->m_bFailed || !client->ok) {
            SetErrorCallback(*client, &IgnoreError, nullptr);
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
    const int sent = RtMidiLoaded()->rtmidi_out_send_message(m_pOut.get(), message.bytes.data(), int(message.size));
    return m_bFailed || sent < 0 ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
}
