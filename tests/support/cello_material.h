// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bowed cello notes rendered offline as the program's own synthesizer
// renders them, from a General MIDI soundfont's cello (program 43), for
// measuring how well the program hears a cello: every note of the
// fingerboard, C2 to Eb4, one after the other with a gap between, in one
// of four ways.
#include "framework/types.h"
#include "listen/note_tracker.h"

#include <cstdint>
#include <vector>

enum class CelloPlaying {
    Plain,
    // Pitch bend of half a semitone either way, at 5, 6 or 7 Hz.
    Vibrato,
    // Expression (CC11) rising from nothing to full over 150 ms.
    BowSwell,
    // Plain notes with white noise 20 dB below their sound.
    Noisy,
};

constexpr CelloPlaying kCelloPlayings[] = {CelloPlaying::Plain, CelloPlaying::Vibrato, CelloPlaying::BowSwell,
                                           CelloPlaying::Noisy};
const char* CelloPlayingName(CelloPlaying playing);

struct RenderedNote {
    int pitch = 0;
    // Samples at which the note's sound begins (what is heard from here
    // to the next note's start is of this note), at which it reaches its
    // pitch (the end of a slide into it; else its start), and at which
    // the bow leaves it.
    std::int64_t startFrame = 0;
    std::int64_t onsetFrame = 0;
    std::int64_t releaseFrame = 0;
};

// The program's synthesizer's sample rate.
constexpr int kCelloSampleRate = 48000;

struct CelloRecording {
    // Mono, at kCelloSampleRate; empty when the soundfont did not load.
    std::vector<float> samples;
    std::vector<RenderedNote> notes;
};

// The soundfonts of the system to render from: the small one the program
// falls back on, and two whose cello is sampled from a real one.
struct CelloSoundFont {
    // Letters and digits alone: it names a test.
    const char* name;
    const char* path;
};
const std::vector<CelloSoundFont>& CelloSoundFonts();

// What renders the material: packed short-message words in, first byte
// lowest, and the next frames out as interleaved 16-bit stereo.
class CCelloSynth {
public:
    virtual ~CCelloSynth() = default;
    virtual void Send(DWORD word) = 0;
    virtual std::vector<std::int16_t> Render(int frames) = 0;
};

// Every note is played once, from the lowest up or from the highest down.
enum class CelloOrder { Rising, Falling };
CelloRecording RenderCello(const CString& soundFont, CelloPlaying playing, CelloOrder order = CelloOrder::Rising);
// The notes played one after the other on the synthesizer, with silence
// before, between and after.
CelloRecording RenderCelloOn(CCelloSynth& synth, CelloPlaying playing, const std::vector<int>& pitches);

// How the listener fared on a recording.
struct ListeningScore {
    int notes = 0;
    // Exactly one note heard during the note, and the right one.
    int named = 0;
    // The first note heard during the note is the right one.
    int firstRight = 0;
    // Exactly one note heard during the note.
    int single = 0;
    // Notes heard during a note after the first.
    int extraReports = 0;
    // A note heard whole octaves, or an octave and a fifth, off.
    int octaveErrors = 0;
    // From the moment the note reaches its pitch to its report, in ms, for
    // notes named right first.
    std::vector<double> latenciesMs;
};

ListeningScore ScoreListening(const CelloRecording& recording);
// The same for notes already heard over the given number of samples.
ListeningScore ScoreHeard(const CelloRecording& recording, const std::vector<ListenEvent>& events, std::int64_t frames);

double Median(std::vector<double> values);
double Maximum(const std::vector<double>& values);
