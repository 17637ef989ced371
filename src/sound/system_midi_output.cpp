// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/system_midi_output.h"

#include "framework/main_window_shows.h"
#include "framework/win_app.h"
#include "sound/alsa_midi_ports.h"
#include "sound/builtin_synth.h"
#include "sound/synth_port.h"

#include <memory>
#include <utility>

namespace {

class CSequencerPort : public CMidiOutPort {
public:
    explicit CSequencerPort(std::unique_ptr<CAlsaMidiOutput> out) : m_pOut(std::move(out)) {}
    MMRESULT Send(DWORD word) { return m_pOut->Send(word); }

private:
    std::unique_ptr<CAlsaMidiOutput> m_pOut;
};

constexpr int kSynthId = 0;

} // namespace

CSystemMidiOutput::CSystemMidiOutput(QStringList soundFonts, CBuiltinSynth::BackgroundRunner runInBackground)
    : m_soundFonts(std::move(soundFonts)), m_runInBackground(std::move(runInBackground))
{
}

bool CSystemMidiOutput::HasPort(int deviceId)
{
    const auto known = [this, deviceId] { return deviceId >= 1 && std::size_t(deviceId) <= m_ports.size(); };
    if (!known())
        m_ports = ListAlsaMidiOutputs();
    return known();
}

UINT CSystemMidiOutput::GetNumDevs()
{
    m_ports = ListAlsaMidiOutputs();
    return UINT(1 + m_ports.size());
}

CString CSystemMidiOutput::GetProductName(int deviceId)
{
    if (deviceId == kSynthId || deviceId == MIDI_MAPPER)
        return CBuiltinSynth::kProductName;
    if (!HasPort(deviceId))
        return CString();
    return QString::fromStdString(m_ports[std::size_t(deviceId) - 1]);
}

MMRESULT CSystemMidiOutput::OpenSynth(HMIDIOUT* handle)
{
    CSynthPort::FailureHandler onFailed = [this](CSynthPort* port, MMRESULT error) { ReportLateFailure(port, error); };
    // The audio output opens with the synthesizer, the soundfont loads after.
    CSynthPort::Opener open = [soundFonts = m_soundFonts.value_or(CBuiltinSynth::SoundFontCandidates()),
                               runInBackground = m_runInBackground](MMRESULT* error) {
        return CBuiltinSynth::Open(soundFonts, CBuiltinSynth::Output::Audio, CBuiltinSynth::kSampleLoading,
                                   runInBackground, nullptr, error);
    };
    // The program is starting (its document is made before its window):
    // the window does not wait for FluidSynth or the sound server, the
    // synthesizer opens once it has been painted. What goes wrong is told
    // then.
    if (AfxGetApp() && !AfxGetMainWnd()) {
        auto* port = new CSynthPort(std::move(onFailed));
        AfxCallWhenMainWindowPainted(port->OpeningCall(std::move(open)));
        *handle = port;
        return MMSYSERR_NOERROR;
    }
    MMRESULT error = MMSYSERR_NODRIVER;
    std::unique_ptr<CBuiltinSynth> synth = open(&error);
    if (!synth)
        return error;
    *handle = new CSynthPort(std::move(synth), std::move(onFailed));
    return MMSYSERR_NOERROR;
}

MMRESULT CSystemMidiOutput::Open(int deviceId, HMIDIOUT* handle)
{
    *handle = nullptr;
    if (deviceId == kSynthId || deviceId == MIDI_MAPPER)
        return OpenSynth(handle);
    if (!HasPort(deviceId))
        return MMSYSERR_BADDEVICEID;
    MMRESULT error = MMSYSERR_NOERROR;
    auto out = CAlsaMidiOutput::Open(m_ports[std::size_t(deviceId) - 1], &error);
    if (!out)
        return error;
    *handle = new CSequencerPort(std::move(out));
    return MMSYSERR_NOERROR;
}

MMRESULT CSystemMidiOutput::ShortMsg(HMIDIOUT handle, DWORD message)
{
    if (auto* synth = dynamic_cast<CSynthPort*>(handle))
        return synth->Send(message);
    if (auto* port = dynamic_cast<CSequencerPort*>(handle))
        return port->Send(message);
    return MMSYSERR_INVALHANDLE;
}

MMRESULT CSystemMidiOutput::Close(HMIDIOUT handle)
{
    if (!dynamic_cast<CSynthPort*>(handle) && !dynamic_cast<CSequencerPort*>(handle))
        return MMSYSERR_INVALHANDLE;
    delete handle;
    return MMSYSERR_NOERROR;
}
