#include "sound/builtin_synth.h"

#include "sound/alsa_quiet.h"
#include "sound/midi_short_message.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <iterator>
#include <thread>
#include <fluidsynth.h>

namespace {

// FluidSynth reports every driver it cannot open. Trying drivers in turn is
// how we find the one that works, so those reports are expected and kept
// quiet; real errors elsewhere still reach the log.
std::atomic<int> g_quietFluid{0};

void FluidLog(int level, const char* message, void*)
{
    if (g_quietFluid.load() > 0 || level > FLUID_ERR)
        return;
    qWarning("fluidsynth: %s", message);
}

void InstallFluidLog()
{
    static const bool installed = [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, &FluidLog, nullptr);
        return true;
    }();
    (void)installed;
}

struct QuietFluid {
    QuietFluid() { ++g_quietFluid; }
    ~QuietFluid() { --g_quietFluid; }
};

// A live synthesizer never renders more than this ahead of the clock on an
// output that does not block (see CRealTimePacer).
constexpr auto kMaxLeadOnUnpacedOutput = std::chrono::milliseconds(50);

// The audio outputs tried in turn. SDL is left out on purpose: it goes
// through PulseAudio or ALSA itself, and starting it installs signal
// handlers that keep SIGTERM and SIGINT from ending the program.
constexpr const char* kAudioDrivers[] = { "pulseaudio", "alsa" };

bool LooksLikeSoundFont(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable() && fluid_is_soundfont(QFile::encodeName(path).constData());
}

void SetReason(CString* why, MMRESULT* error, MMRESULT code, const CString& text)
{
    if (why)
        *why = text;
    if (error)
        *error = code;
}

} // namespace

QStringList CBuiltinSynth::SoundFontCandidates()
{
    QStringList candidates;
    const QString fromEnv = qEnvironmentVariable("VOLDRIM_SOUNDFONT");
    if (!fromEnv.isEmpty())
        candidates << fromEnv;
    candidates << "/usr/share/sounds/sf2/default-GM.sf2"
               << "/usr/share/sounds/sf2/TimGM6mb.sf2"
               << "/usr/share/sounds/sf2/FluidR3_GM.sf2";
    return candidates;
}

CString CBuiltinSynth::FindSoundFont()
{
    const QStringList candidates = SoundFontCandidates();
    const auto found = std::find_if(candidates.begin(), candidates.end(), LooksLikeSoundFont);
    return found == candidates.end() ? CString() : *found;
}

CBuiltinSynth::CBuiltinSynth() : m_pacer(kSampleRate, kPeriodSize, kMaxLeadOnUnpacedOutput) {}

std::unique_ptr<CBuiltinSynth> CBuiltinSynth::Create(Output output, CString* why, MMRESULT* error)
{
    return CreateWith(SoundFontCandidates(), output, why, error);
}

std::unique_ptr<CBuiltinSynth> CBuiltinSynth::CreateWith(const QStringList& soundFonts, Output output, CString* why,
                                                         MMRESULT* error)
{
    InstallFluidLog();
    std::unique_ptr<CBuiltinSynth> synth(new CBuiltinSynth);
    synth->m_pSettings = new_fluid_settings();
    if (!synth->m_pSettings) {
        SetReason(why, error, MMSYSERR_NOMEM, "FluidSynth settings could not be created");
        return nullptr;
    }
    fluid_settings_setnum(synth->m_pSettings, "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(synth->m_pSettings, "synth.gain", kGain);
    fluid_settings_setint(synth->m_pSettings, "audio.period-size", kPeriodSize);
    fluid_settings_setint(synth->m_pSettings, "audio.periods", kPeriods);

    synth->m_pSynth = new_fluid_synth(synth->m_pSettings);
    if (!synth->m_pSynth) {
        SetReason(why, error, MMSYSERR_NOMEM, "FluidSynth synthesizer could not be created");
        return nullptr;
    }
    if (!synth->LoadFirstSoundFont(soundFonts)) {
        SetReason(why, error, MIDIERR_NOSOUNDFONT, "no soundfont could be loaded from " + soundFonts.join(", "));
        return nullptr;
    }
    if (output == Output::Audio && !synth->OpenAudio(why, error))
        return nullptr;
    return synth;
}

bool CBuiltinSynth::LoadFirstSoundFont(const QStringList& soundFonts)
{
    // A file can look like a soundfont and still be broken inside: only a
    // load that works settles the choice.
    for (const QString& path : soundFonts) {
        if (LooksLikeSoundFont(path)
            && fluid_synth_sfload(m_pSynth, QFile::encodeName(path).constData(), 1) != FLUID_FAILED) {
            m_strSoundFont = path;
            return true;
        }
    }
    return false;
}

bool CBuiltinSynth::OpenAudio(CString* why, MMRESULT* error)
{
    QuietFluid quietFluid;
    CQuietAlsaErrors quietAlsa;
    // $VOLDRIM_SYNTH_DEVICE names the ALSA device to play on instead.
    const QByteArray alsaDevice = qgetenv("VOLDRIM_SYNTH_DEVICE");
    if (!alsaDevice.isEmpty())
        fluid_settings_setstr(m_pSettings, "audio.alsa.device", alsaDevice.constData());
    for (const char* driver : kAudioDrivers) {
        if (!alsaDevice.isEmpty() && qstrcmp(driver, "alsa") != 0)
            continue;
        fluid_settings_setstr(m_pSettings, "audio.driver", driver);
        m_pDriver = new_fluid_audio_driver2(m_pSettings, &CBuiltinSynth::RenderBlock, this);
        if (m_pDriver) {
            m_strDriver = driver;
            return true;
        }
    }
    SetReason(why, error, MMSYSERR_NODRIVER,
              alsaDevice.isEmpty() ? CString("no audio output opened (tried PulseAudio, ALSA)")
                                   : "ALSA device " + CString::fromLocal8Bit(alsaDevice) + " did not open");
    return false;
}

int CBuiltinSynth::RenderBlock(void* data, int frames, int nfx, float* fx[], int nout, float* out[])
{
    auto* self = static_cast<CBuiltinSynth*>(data);
    const auto wait = self->m_pacer.WaitBeforeBlock(CRealTimePacer::Clock::now());
    if (wait > CRealTimePacer::Clock::duration::zero())
        std::this_thread::sleep_for(wait);
    int result = FLUID_FAILED;
    if (nfx == 0 && nout == 2) {
        // The outputs we use have no buffers of their own for reverb and
        // chorus: they are mixed into the dry sound, as offline.
        float* effects[] = { out[0], out[1], out[0], out[1] };
        result = fluid_synth_process(self->m_pSynth, frames, int(std::size(effects)), effects, nout, out);
    } else {
        result = fluid_synth_process(self->m_pSynth, frames, nfx, fx, nout, out);
    }
    self->m_pacer.BlockRendered(frames, CRealTimePacer::Clock::now());
    return result;
}

CBuiltinSynth::~CBuiltinSynth()
{
    // The driver renders from the synth on its own thread: stop it first.
    if (m_pDriver)
        delete_fluid_audio_driver(m_pDriver);
    if (m_pSynth)
        delete_fluid_synth(m_pSynth);
    if (m_pSettings)
        delete_fluid_settings(m_pSettings);
}

MMRESULT CBuiltinSynth::Send(DWORD word)
{
    const CMidiBytes message = UnpackShortMessage(word);
    if (message.size == 0)
        return MMSYSERR_INVALPARAM;
    const int channel = message.bytes[0] & 0x0F;
    const int data1 = message.bytes[1];
    const int data2 = message.bytes[2];
    int result = FLUID_OK;
    switch (message.bytes[0] & 0xF0) {
    case 0x80:
        // A note that is not sounding any more is no error: the device
        // stops a note again before it starts the next one.
        fluid_synth_noteoff(m_pSynth, channel, data1);
        break;
    case 0x90:
        if (data2 == 0)
            fluid_synth_noteoff(m_pSynth, channel, data1);
        else
            result = fluid_synth_noteon(m_pSynth, channel, data1, data2);
        break;
    case 0xA0:
        result = fluid_synth_key_pressure(m_pSynth, channel, data1, data2);
        break;
    case 0xB0:
        result = fluid_synth_cc(m_pSynth, channel, data1, data2);
        break;
    case 0xC0:
        result = fluid_synth_program_change(m_pSynth, channel, data1);
        break;
    case 0xD0:
        result = fluid_synth_channel_pressure(m_pSynth, channel, data1);
        break;
    case 0xE0:
        result = fluid_synth_pitch_bend(m_pSynth, channel, data1 | (data2 << 7));
        break;
    default:
        break; // real-time bytes mean nothing to a synthesizer without a clock
    }
    return result == FLUID_OK ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
}

std::vector<std::int16_t> CBuiltinSynth::Render(int frames)
{
    std::vector<std::int16_t> samples(std::size_t(frames > 0 ? frames : 0) * 2);
    if (frames > 0 && !m_pDriver)
        fluid_synth_write_s16(m_pSynth, frames, samples.data(), 0, 2, samples.data(), 1, 2);
    return samples;
}
