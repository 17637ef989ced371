#include "sound/system_midi_output.h"

#include "sound/alsa_midi_ports.h"
#include "sound/builtin_synth.h"

#include <memory>

namespace {

class CSynthPort : public CMidiOutPort {
public:
    explicit CSynthPort(std::unique_ptr<CBuiltinSynth> synth) : m_pSynth(std::move(synth)) {}
    MMRESULT Send(DWORD word) { return m_pSynth->Send(word); }

private:
    std::unique_ptr<CBuiltinSynth> m_pSynth;
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
        MMRESULT error = MMSYSERR_NODRIVER;
        auto synth = CBuiltinSynth::Create(CBuiltinSynth::Output::Audio, nullptr, &error);
        if (!synth)
            return error;
        *handle = new CSynthPort(std::move(synth));
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
