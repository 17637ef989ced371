// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in General MIDI synthesizer (FluidSynth with a GM soundfont).
// Live, it plays through the first audio driver that opens; offline, it has
// no driver and renders on request, which is how it is measured. A live one
// stops rendering once it has been silent for a few seconds, and starts
// again with the next note (CAudioSleeper).
// It opens at once and loads its soundfont in the background, however large
// the soundfont is; words sent meanwhile wait for it (CPendingMidiWords).
#include "framework/types.h"
#include "sound/audio_sleeper.h"
#include "sound/midi_output_system.h"
#include "sound/real_time_pacer.h"

#include <QStringList>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct _fluid_audio_driver_t;

class CBuiltinSynth {
public:
    enum class Output { Offline, Audio };
    // When a soundfont's samples are read into memory: those of a preset
    // when a channel first selects it, or all of them as the soundfont loads.
    enum class SampleLoading { WhenUsed, AllAtOnce };
    enum class LoadState { Loading, Loaded, Failed };
    // Starts a task on a thread of its own; the loading of the soundfont is
    // such a task.
    using BackgroundRunner = std::function<void(std::function<void()> task)>;

    static constexpr const char* kProductName = "Voldrim Synthesizer";
    static constexpr int kSampleRate = 48000;
    // Two periods of 240 frames: 10 ms from a note message to the speaker.
    static constexpr int kPeriodSize = 240;
    static constexpr int kPeriods = 2;
    // FluidSynth's default gain (0.2) is too quiet for a single voice.
    static constexpr double kGain = 1.0;
    // The large soundfonts are mostly samples of instruments never played.
    static constexpr SampleLoading kSampleLoading = SampleLoading::WhenUsed;
    // Silence this long, with no voice sounding, puts rendering to sleep.
    static constexpr std::chrono::milliseconds kSilenceBeforeSleep{3000};

    // Where soundfonts are looked for, in order: $VOLDRIM_SOUNDFONT, then
    // FluidR3 (the best cello), the system's default and TimGM6mb.
    static QStringList SoundFontCandidates();
    // The first candidate that looks like a soundfont. Empty when there is none.
    static CString FindSoundFont();

    // Opens at once and loads the first of the soundfonts that loads
    // through runInBackground (a thread of its own when none is given).
    // FluidSynth itself is loaded by the first synthesizer to open. Null
    // only when it does not load or, for Output::Audio, no audio driver
    // opens; the reason goes to *why and its code (MMSYSERR_NODRIVER, ...)
    // to *error when given.
    static std::unique_ptr<CBuiltinSynth> Open(const QStringList& soundFonts, Output output,
                                               SampleLoading samples = kSampleLoading,
                                               const BackgroundRunner& runInBackground = {},
                                               CString* why = nullptr, MMRESULT* error = nullptr,
                                               std::chrono::milliseconds silenceBeforeSleep = kSilenceBeforeSleep);
    // Opened with the usual soundfonts, and loaded: null when no soundfont
    // loads (MIDIERR_NOSOUNDFONT) or, for Output::Audio, no audio driver opens.
    static std::unique_ptr<CBuiltinSynth> Create(Output output, CString* why = nullptr, MMRESULT* error = nullptr);
    // The same with the soundfonts to try, in order.
    static std::unique_ptr<CBuiltinSynth> CreateWith(const QStringList& soundFonts, Output output, CString* why,
                                                     MMRESULT* error, SampleLoading samples = kSampleLoading);
    ~CBuiltinSynth();
    CBuiltinSynth(const CBuiltinSynth&) = delete;
    CBuiltinSynth& operator=(const CBuiltinSynth&) = delete;

    // Before the soundfont has loaded the word waits for it. Once none
    // could be loaded, words are taken and nothing sounds: that failure is
    // told once, as a failure of the load (LoadFailure), not of each word.
    MMRESULT Send(DWORD word);

    LoadState GetLoadState() const;
    // Blocks until the soundfont has loaded or none could be; says which.
    LoadState WaitUntilLoaded() const;
    // Why no soundfont loaded; empty unless the state is Failed.
    CString LoadFailure() const;
    // The soundfont loaded; empty until then.
    CString SoundFont() const;

    // Offline only: the next frames as interleaved stereo samples.
    std::vector<std::int16_t> Render(int frames);

    CString AudioDriverName() const { return m_strDriver; }
    // Live only: whether rendering sleeps for silence, how often it has
    // woken for a note, how many blocks it has rendered and how many of
    // those were not silent.
    bool IsAudioAsleep() const { return m_sleeper.IsAsleep(); }
    int AudioWakings() const { return m_sleeper.Wakings(); }
    std::uint64_t RenderedBlocks() const { return m_nRenderedBlocks.load(); }
    std::uint64_t AudibleBlocks() const { return m_nAudibleBlocks.load(); }
    static double BufferLatencyMs() { return 1000.0 * kPeriodSize * kPeriods / kSampleRate; }

private:
    // The FluidSynth synthesizer and what its loading thread shares with
    // us: it lives until both are done with it, so closing never waits for
    // a soundfont to finish loading.
    struct Core;

    CBuiltinSynth(std::shared_ptr<Core> core, std::chrono::milliseconds silenceBeforeSleep);
    bool OpenAudio(CString* why, MMRESULT* error);
    // Nothing sounds, and nothing waits for the soundfont to sound.
    bool IsQuiet() const;
    // To the synthesizer, or to the words waiting for its soundfont.
    MMRESULT Deliver(DWORD word);
    // The audio driver's request for the next block, on its own thread.
    static int RenderBlock(void* synth, int frames, int nfx, float* fx[], int nout, float* out[]);

    std::shared_ptr<Core> m_pCore;
    _fluid_audio_driver_t* m_pDriver = nullptr;
    CRealTimePacer m_pacer;
    CString m_strDriver;
    std::atomic<std::uint64_t> m_nRenderedBlocks{0};
    std::atomic<std::uint64_t> m_nAudibleBlocks{0};
    CAudioSleeper m_sleeper;
};
