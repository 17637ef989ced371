// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/builtin_synth.h"

#include "sound/alsa_quiet.h"
#include "sound/fluid_library.h"
#include "sound/fluid_words.h"
#include "sound/midi_short_message.h"
#include "sound/pending_midi_words.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <iterator>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

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
            Fluid().fluid_set_log_function(level, &FluidLog, nullptr);
        return true;
    }();
    (void)installed;
}

struct QuietFluid {
    QuietFluid() { ++g_quietFluid; }
    ~QuietFluid() { --g_quietFluid; }
};

// Loaded this way, a soundfont gives no channel a program: with samples
// read when used, the instruments of the sixteen channels are not all read
// at once (CFluidWordPlayer chooses them as they are needed).
constexpr int kChooseNoPrograms = 0;

// A live synthesizer never renders more than this ahead of the clock on an
// output that does not block (see CRealTimePacer).
constexpr auto kMaxLeadOnUnpacedOutput = std::chrono::milliseconds(50);

// The audio outputs tried in turn. SDL is left out on purpose: it goes
// through PulseAudio or ALSA itself, and starting it installs signal
// handlers that keep SIGTERM and SIGINT from ending the program.
constexpr const char* kAudioDrivers[] = { "pulseaudio", "alsa" };

// Below half a step of 16-bit sound: a block this quiet is silence.
constexpr float kSilentLevel = 1.0f / 65536;

bool IsSilent(int frames, int buffers, float* out[])
{
    for (int b = 0; b < buffers; ++b) {
        for (int i = 0; i < frames; ++i) {
            if (std::abs(out[b][i]) >= kSilentLevel)
                return false;
        }
    }
    return true;
}

bool LooksLikeSoundFont(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable() && LoadFluidSynth()
        && Fluid().fluid_is_soundfont(QFile::encodeName(path).constData());
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
    // FluidR3's cello is a sampled, bowed one, rich in harmonics, with its
    // vibrato; TimGM6mb's is thin and even (bench/soundfont_bench). With
    // samples read when used, the larger soundfont costs little memory.
    candidates << "/usr/share/sounds/sf2/FluidR3_GM.sf2"
               << "/usr/share/sounds/sf2/default-GM.sf2"
               << "/usr/share/sounds/sf2/TimGM6mb.sf2";
    return candidates;
}

CString CBuiltinSynth::FindSoundFont()
{
    const QStringList candidates = SoundFontCandidates();
    const auto found = std::find_if(candidates.begin(), candidates.end(), LooksLikeSoundFont);
    return found == candidates.end() ? CString() : *found;
}

struct CBuiltinSynth::Core {
    Core() = default;
    ~Core();
    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;

    // On the loading thread: the first soundfont that loads, then the
    // words that waited for it.
    void Load(const QStringList& soundFonts);
    void Fail(const CString& why);

    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    // Used by one thread at a time: the loading thread until the state
    // says loaded, the user-interface thread afterwards.
    std::optional<CFluidWordPlayer> player;

    // FluidSynth holds its own lock for the whole of a soundfont's loading,
    // so nothing may call it from the user-interface thread until then:
    // the state and the waiting words have a lock of their own.
    std::mutex mutex;
    std::condition_variable settled;
    LoadState state = LoadState::Loading;
    CPendingMidiWords pending;
    CString soundFont;
    CString failure;
};

CBuiltinSynth::Core::~Core()
{
    if (synth)
        Fluid().delete_fluid_synth(synth);
    if (settings)
        Fluid().delete_fluid_settings(settings);
}

void CBuiltinSynth::Core::Load(const QStringList& soundFonts)
{
    // A file can look like a soundfont and still be broken inside: only a
    // load that works settles the choice.
    const auto loads = [this](const QString& path) {
        return LooksLikeSoundFont(path)
            && Fluid().fluid_synth_sfload(synth, QFile::encodeName(path).constData(), kChooseNoPrograms) != FLUID_FAILED;
    };
    const auto found = std::find_if(soundFonts.begin(), soundFonts.end(), loads);
    if (found == soundFonts.end()) {
        Fail("no soundfont could be loaded from " + soundFonts.join(", "));
        return;
    }
    // The waiting words play in order, outside the lock: a program change
    // may read samples. Words that come meanwhile still wait, until none do.
    for (;;) {
        std::vector<DWORD> words;
        {
            const std::lock_guard<std::mutex> lock(mutex);
            words = pending.Take();
            if (words.empty()) {
                state = LoadState::Loaded;
                soundFont = *found;
                break;
            }
        }
        for (DWORD word : words)
            player->Play(word);
    }
    settled.notify_all();
}

void CBuiltinSynth::Core::Fail(const CString& why)
{
    {
        const std::lock_guard<std::mutex> lock(mutex);
        state = LoadState::Failed;
        failure = why;
        pending.Take();
    }
    settled.notify_all();
}

CBuiltinSynth::CBuiltinSynth(std::shared_ptr<Core> core, std::chrono::milliseconds silenceBeforeSleep)
    : m_pCore(std::move(core)),
      m_pacer(kSampleRate, kPeriodSize, kMaxLeadOnUnpacedOutput),
      m_sleeper(kSampleRate, silenceBeforeSleep)
{
}

std::unique_ptr<CBuiltinSynth> CBuiltinSynth::Open(const QStringList& soundFonts, Output output,
                                                   SampleLoading samples, const BackgroundRunner& runInBackground,
                                                   CString* why, MMRESULT* error,
                                                   std::chrono::milliseconds silenceBeforeSleep)
{
    if (!LoadFluidSynth()) {
        SetReason(why, error, MMSYSERR_NODRIVER, "FluidSynth could not be loaded");
        return nullptr;
    }
    InstallFluidLog();
    auto core = std::make_shared<Core>();
    core->settings = Fluid().new_fluid_settings();
    if (!core->settings) {
        SetReason(why, error, MMSYSERR_NOMEM, "FluidSynth settings could not be created");
        return nullptr;
    }
    Fluid().fluid_settings_setnum(core->settings, "synth.sample-rate", kSampleRate);
    Fluid().fluid_settings_setnum(core->settings, "synth.gain", kGain);
    Fluid().fluid_settings_setint(core->settings, "synth.dynamic-sample-loading", samples == SampleLoading::WhenUsed);
    Fluid().fluid_settings_setint(core->settings, "audio.period-size", kPeriodSize);
    Fluid().fluid_settings_setint(core->settings, "audio.periods", kPeriods);

    core->synth = Fluid().new_fluid_synth(core->settings);
    if (!core->synth) {
        SetReason(why, error, MMSYSERR_NOMEM, "FluidSynth synthesizer could not be created");
        return nullptr;
    }
    core->player.emplace(core->synth);
    std::unique_ptr<CBuiltinSynth> synth(new CBuiltinSynth(core, silenceBeforeSleep));
    // Silent until the soundfont is there, but open: whoever opened it
    // can go on at once.
    if (output == Output::Audio && !synth->OpenAudio(why, error))
        return nullptr;
    auto load = [core, soundFonts] { core->Load(soundFonts); };
    if (runInBackground) {
        runInBackground(std::move(load));
        return synth;
    }
    try {
        std::thread(load).detach();
    } catch (const std::system_error&) {
        load(); // no thread to spare: load now rather than never
    }
    return synth;
}

std::unique_ptr<CBuiltinSynth> CBuiltinSynth::Create(Output output, CString* why, MMRESULT* error)
{
    return CreateWith(SoundFontCandidates(), output, why, error);
}

std::unique_ptr<CBuiltinSynth> CBuiltinSynth::CreateWith(const QStringList& soundFonts, Output output, CString* why,
                                                         MMRESULT* error, SampleLoading samples)
{
    auto synth = Open(soundFonts, output, samples, {}, why, error);
    if (synth && synth->WaitUntilLoaded() == LoadState::Failed) {
        SetReason(why, error, MIDIERR_NOSOUNDFONT, synth->LoadFailure());
        return nullptr;
    }
    return synth;
}

bool CBuiltinSynth::OpenAudio(CString* why, MMRESULT* error)
{
    QuietFluid quietFluid;
    CQuietAlsaErrors quietAlsa;
    fluid_settings_t* settings = m_pCore->settings;
    // $VOLDRIM_SYNTH_DEVICE names the ALSA device to play on instead.
    const QByteArray alsaDevice = qgetenv("VOLDRIM_SYNTH_DEVICE");
    if (!alsaDevice.isEmpty())
        Fluid().fluid_settings_setstr(settings, "audio.alsa.device", alsaDevice.constData());
    for (const char* driver : kAudioDrivers) {
        if (!alsaDevice.isEmpty() && qstrcmp(driver, "alsa") != 0)
            continue;
        Fluid().fluid_settings_setstr(settings, "audio.driver", driver);
        m_pDriver = Fluid().new_fluid_audio_driver2(settings, &CBuiltinSynth::RenderBlock, this);
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

bool CBuiltinSynth::IsQuiet() const
{
    // FluidSynth is not to be asked while a soundfont loads; the words
    // waiting for it are about to sound anyway.
    return GetLoadState() != LoadState::Loading && Fluid().fluid_synth_get_active_voice_count(m_pCore->synth) == 0;
}

int CBuiltinSynth::RenderBlock(void* data, int frames, int nfx, float* fx[], int nout, float* out[])
{
    auto* self = static_cast<CBuiltinSynth*>(data);
    self->m_sleeper.BeforeBlock([self] { return self->IsQuiet(); });
    const auto wait = self->m_pacer.WaitBeforeBlock(CRealTimePacer::Clock::now());
    if (wait > CRealTimePacer::Clock::duration::zero())
        std::this_thread::sleep_for(wait);
    int result = FLUID_FAILED;
    if (nfx == 0 && nout == 2) {
        // The outputs we use have no buffers of their own for reverb and
        // chorus: they are mixed into the dry sound, as offline.
        float* effects[] = { out[0], out[1], out[0], out[1] };
        result = Fluid().fluid_synth_process(self->m_pCore->synth, frames, int(std::size(effects)), effects, nout, out);
    } else {
        result = Fluid().fluid_synth_process(self->m_pCore->synth, frames, nfx, fx, nout, out);
    }
    self->m_pacer.BlockRendered(frames, CRealTimePacer::Clock::now());
    const bool silent = IsSilent(frames, nout, out);
    self->m_nRenderedBlocks.fetch_add(1, std::memory_order_relaxed);
    if (!silent)
        self->m_nAudibleBlocks.fetch_add(1, std::memory_order_relaxed);
    self->m_sleeper.BlockRendered(frames, silent);
    return result;
}

CBuiltinSynth::~CBuiltinSynth()
{
    // The driver renders from the synth on its own thread: wake it for
    // good and stop it first.
    // A soundfont still loading finishes on its thread and goes with it.
    m_sleeper.Stop();
    if (m_pDriver)
        Fluid().delete_fluid_audio_driver(m_pDriver);
}

MMRESULT CBuiltinSynth::Send(DWORD word)
{
    const CMidiBytes message = UnpackShortMessage(word);
    if (message.size == 0)
        return MMSYSERR_INVALPARAM;
    const MMRESULT result = Deliver(word);
    if (IsNoteOn(message))
        m_sleeper.NoteSent();
    return result;
}

MMRESULT CBuiltinSynth::Deliver(DWORD word)
{
    {
        const std::lock_guard<std::mutex> lock(m_pCore->mutex);
        switch (m_pCore->state) {
        case LoadState::Loading:
            m_pCore->pending.Add(word);
            return MMSYSERR_NOERROR;
        case LoadState::Failed:
            return MMSYSERR_NOERROR;
        case LoadState::Loaded:
            break;
        }
    }
    return m_pCore->player->Play(word);
}

CBuiltinSynth::LoadState CBuiltinSynth::GetLoadState() const
{
    const std::lock_guard<std::mutex> lock(m_pCore->mutex);
    return m_pCore->state;
}

CBuiltinSynth::LoadState CBuiltinSynth::WaitUntilLoaded() const
{
    std::unique_lock<std::mutex> lock(m_pCore->mutex);
    m_pCore->settled.wait(lock, [this] { return m_pCore->state != LoadState::Loading; });
    return m_pCore->state;
}

CString CBuiltinSynth::LoadFailure() const
{
    const std::lock_guard<std::mutex> lock(m_pCore->mutex);
    return m_pCore->failure;
}

CString CBuiltinSynth::SoundFont() const
{
    const std::lock_guard<std::mutex> lock(m_pCore->mutex);
    return m_pCore->soundFont;
}

std::vector<std::int16_t> CBuiltinSynth::Render(int frames)
{
    std::vector<std::int16_t> samples(std::size_t(frames > 0 ? frames : 0) * 2);
    if (frames > 0 && !m_pDriver)
        Fluid().fluid_synth_write_s16(m_pCore->synth, frames, samples.data(), 0, 2, samples.data(), 1, 2);
    return samples;
}
