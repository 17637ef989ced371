#pragma once
// The built-in General MIDI synthesizer (FluidSynth with a GM soundfont).
// Live, it plays through the first audio driver that opens; offline, it has
// no driver and renders on request, which is how it is measured.
#include "framework/types.h"
#include "sound/midi_output_system.h"
#include "sound/real_time_pacer.h"

#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;

class CBuiltinSynth {
public:
    enum class Output { Offline, Audio };

    static constexpr const char* kProductName = "Voldrim Synthesizer";
    static constexpr int kSampleRate = 48000;
    // Two periods of 240 frames: 10 ms from a note message to the speaker.
    static constexpr int kPeriodSize = 240;
    static constexpr int kPeriods = 2;
    // FluidSynth's default gain (0.2) is too quiet for a single voice.
    static constexpr double kGain = 1.0;

    // Where soundfonts are looked for, in order: $VOLDRIM_SOUNDFONT, then
    // the GM soundfonts of the system.
    static QStringList SoundFontCandidates();
    // The first candidate that looks like a soundfont. Empty when there is none.
    static CString FindSoundFont();

    // Null when no soundfont loads or, for Output::Audio, no audio driver
    // opens. The reason goes to *why and its code (MIDIERR_NOSOUNDFONT,
    // MMSYSERR_NODRIVER, ...) to *error when given.
    static std::unique_ptr<CBuiltinSynth> Create(Output output, CString* why = nullptr, MMRESULT* error = nullptr);
    // The same with the soundfonts to try, in order.
    static std::unique_ptr<CBuiltinSynth> CreateWith(const QStringList& soundFonts, Output output, CString* why,
                                                     MMRESULT* error);
    ~CBuiltinSynth();
    CBuiltinSynth(const CBuiltinSynth&) = delete;
    CBuiltinSynth& operator=(const CBuiltinSynth&) = delete;

    MMRESULT Send(DWORD word);

    // Offline only: the next frames as interleaved stereo samples.
    std::vector<std::int16_t> Render(int frames);

    CString AudioDriverName() const { return m_strDriver; }
    CString SoundFont() const { return m_strSoundFont; }
    static double BufferLatencyMs() { return 1000.0 * kPeriodSize * kPeriods / kSampleRate; }

private:
    CBuiltinSynth();
    bool LoadFirstSoundFont(const QStringList& soundFonts);
    bool OpenAudio(CString* why, MMRESULT* error);
    // The audio driver's request for the next block, on its own thread.
    static int RenderBlock(void* synth, int frames, int nfx, float* fx[], int nout, float* out[]);

    _fluid_hashtable_t* m_pSettings = nullptr;
    _fluid_synth_t* m_pSynth = nullptr;
    _fluid_audio_driver_t* m_pDriver = nullptr;
    CRealTimePacer m_pacer;
    CString m_strDriver;
    CString m_strSoundFont;
};
