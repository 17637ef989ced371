// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/system_midi_output.h"

#include "sound/alsa_midi_ports.h"
#include "sound/builtin_synth.h"

#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

namespace {

// How often an open synthesizer is asked whether its soundfont has loaded,
// until it has or none could be.
constexpr int kLoadWatchMs = 50;

class CSynthPort : public CMidiOutPort {
public:
    // onLoadFailed is called on this thread, the user-interface thread,
    // when no soundfont could be loaded.
    CSynthPort(std::unique_ptr<CBuiltinSynth> synth, std::function<void(CSynthPort*)> onLoadFailed)
        : m_pSynth(std::move(synth))
    {
        QObject::connect(&m_loadWatch, &QTimer::timeout, [this, onLoadFailed = std::move(onLoadFailed)] {
            const CBuiltinSynth::LoadState state = m_pSynth->GetLoadState();
            if (state == CBuiltinSynth::LoadState::Loading)
                return;
            m_loadWatch.stop();
            if (state == CBuiltinSynth::LoadState::Failed)
                onLoadFailed(this);
        });
        m_loadWatch.start(kLoadWatchMs);
    }
    MMRESULT Send(DWORD word) { return m_pSynth->Send(word); }

private:
    std::unique_ptr<CBuiltinSynth> m_pSynth;
    QTimer m_loadWatch;
};

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

MMRESULT CSystemMidiOutput::Open(int deviceId, HMIDIOUT* handle)
{
    *handle = nullptr;
    if (deviceId == kSynthId || deviceId == MIDI_MAPPER) {
        // Open as soon as the audio output is: the soundfont loads meanwhile.
        MMRESULT error = MMSYSERR_NODRIVER;
        auto synth = CBuiltinSynth::Open(m_soundFonts.value_or(CBuiltinSynth::SoundFontCandidates()),
                                         CBuiltinSynth::Output::Audio, CBuiltinSynth::kSampleLoading,
                                         m_runInBackground, nullptr, &error);
        if (!synth)
            return error;
        *handle = new CSynthPort(std::move(synth),
                                 [this](CSynthPort* port) { ReportLateFailure(port, MIDIERR_NOSOUNDFONT); });
        return MMSYSERR_NOERROR;
    }
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
