// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cello_material.h"

#include "listen/pitch_listener.h"
#include "model/pitch.h"
#include "support/fluid_cello.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>

namespace {

constexpr int kRate = kCelloSampleRate;
constexpr int kCelloProgram = 42; // 43 counted from 1
constexpr int kVelocity = 100;
constexpr int kLeadInMs = 500;
constexpr int kHeldMs = 700;
constexpr int kGapMs = 500;
// Controls change every millisecond, as a player's hand moves.
constexpr int kControlStep = kRate / 1000;
constexpr double kVibratoSemitones = 0.5;
// The synthesizer's default bend range is two semitones each way.
constexpr double kBendRangeSemitones = 2.0;
constexpr int kBendCentre = 8192;
constexpr double kSwellMs = 150.0;
constexpr int kExpression = 11;
constexpr double kNoiseBelowSignal = 10.0; // 20 dB
constexpr unsigned kNoiseSeed = 20;
// A note's first 100 ms is its attack; its loudness is measured after.
constexpr int kAttackFrames = kRate / 10;

DWORD Word(int status, int data1, int data2 = 0)
{
    return DWORD(status) | DWORD(data1) << 8 | DWORD(data2) << 16;
}

class CRenderer {
public:
    explicit CRenderer(CCelloSynth& synth) : m_synth(synth) {}
    void Render(int frames)
    {
        const std::vector<std::int16_t> stereo = m_synth.Render(frames);
        for (std::size_t i = 0; i + 1 < stereo.size(); i += 2)
            m_samples.push_back(float(stereo[i] + stereo[i + 1]) / 65536.0f);
    }
    void Send(DWORD word) { m_synth.Send(word); }
    std::int64_t Frames() const { return std::int64_t(m_samples.size()); }
    std::vector<float>& Samples() { return m_samples; }

private:
    CCelloSynth& m_synth;
    std::vector<float> m_samples;
};

void SendBend(CRenderer& out, double semitones)
{
    const int value = std::clamp(kBendCentre + int(std::lround(semitones / kBendRangeSemitones * kBendCentre)), 0,
                                 2 * kBendCentre - 1);
    out.Send(Word(0xE0, value & 0x7F, value >> 7));
}

void HoldNote(CRenderer& out, CelloPlaying playing, int pitch)
{
    const int heldFrames = kRate * kHeldMs / 1000;
    const double vibratoHz = 5.0 + pitch % 3;
    for (int t = 0; t < heldFrames; t += kControlStep) {
        const double seconds = double(t) / kRate;
        if (playing == CelloPlaying::Vibrato)
            SendBend(out, kVibratoSemitones * std::sin(2 * M_PI * vibratoHz * seconds));
        if (playing == CelloPlaying::BowSwell)
            out.Send(Word(0xB0, kExpression, std::min(127, int(127 * seconds * 1000 / kSwellMs))));
        out.Render(kControlStep);
    }
}

void AddNoise(std::vector<float>& samples, const std::vector<RenderedNote>& notes)
{
    double power = 0;
    std::int64_t count = 0;
    for (const RenderedNote& note : notes) {
        for (std::int64_t i = note.onsetFrame + kAttackFrames; i < note.releaseFrame; ++i, ++count)
            power += double(samples[std::size_t(i)]) * samples[std::size_t(i)];
    }
    const double noiseRms = std::sqrt(power / double(count)) / kNoiseBelowSignal;
    std::mt19937 generator(kNoiseSeed);
    std::normal_distribution<double> noise(0.0, noiseRms);
    for (float& sample : samples)
        sample += float(noise(generator));
}

} // namespace

CelloRecording RenderCelloOn(CCelloSynth& synth, CelloPlaying playing, const std::vector<int>& pitches)
{
    CelloRecording recording;
    CRenderer out(synth);
    out.Send(Word(0xC0, kCelloProgram));
    out.Render(kRate * kLeadInMs / 1000);
    for (int pitch : pitches) {
        RenderedNote note;
        note.pitch = pitch;
        note.onsetFrame = out.Frames();
        note.startFrame = note.onsetFrame;
        if (playing == CelloPlaying::BowSwell)
            out.Send(Word(0xB0, kExpression, 0));
        out.Send(Word(0x90, pitch, kVelocity));
        HoldNote(out, playing, pitch);
        note.releaseFrame = out.Frames();
        out.Send(Word(0x80, pitch, kVelocity));
        SendBend(out, 0);
        out.Render(kRate * kGapMs / 1000);
        recording.notes.push_back(note);
    }
    recording.samples = std::move(out.Samples());
    if (playing == CelloPlaying::Noisy)
        AddNoise(recording.samples, recording.notes);
    return recording;
}

CelloRecording RenderCello(const CString& soundFont, CelloPlaying playing, CelloOrder order)
{
    std::vector<int> pitches;
    for (int pitch = kLowestStopPitch; pitch <= kHighestStopPitch; ++pitch)
        pitches.push_back(pitch);
    if (order == CelloOrder::Falling)
        std::reverse(pitches.begin(), pitches.end());
    const std::unique_ptr<CFluidCello> synth = CFluidCello::Load(soundFont);
    return synth ? RenderCelloOn(*synth, playing, pitches) : CelloRecording();
}

const char* CelloPlayingName(CelloPlaying playing)
{
    switch (playing) {
    case CelloPlaying::Plain:
        return "plain";
    case CelloPlaying::Vibrato:
        return "vibrato";
    case CelloPlaying::BowSwell:
        return "bow swell";
    case CelloPlaying::Noisy:
        return "noise";
    }
    return "";
}

const std::vector<CelloSoundFont>& CelloSoundFonts()
{
    static const std::vector<CelloSoundFont> fonts = {
        {"TimGM6mb", "/usr/share/sounds/sf2/TimGM6mb.sf2"},
        {"FluidR3", "/usr/share/sounds/sf2/FluidR3_GM.sf2"},
        {"MuseScore", "/usr/share/sounds/sf3/MuseScore_General_Lite.sf3"},
    };
    return fonts;
}

namespace {

// An octave, two, three, or a twelfth (an octave and a fifth) or a
// nineteenth: what a harmonic taken for the note makes of it.
bool IsOctaveOrTwelfthOff(int heard, int played)
{
    const int off = std::abs(heard - played);
    constexpr int kOctave = 12, kTwelfth = 19;
    return off != 0 && (off % kOctave == 0 || (off - kTwelfth) % kOctave == 0);
}

} // namespace

ListeningScore ScoreListening(const CelloRecording& recording)
{
    CPitchListener listener;
    const std::vector<ListenEvent> events = listener.Feed(recording.samples);
    return ScoreHeard(recording, events, listener.FramesHeard());
}

ListeningScore ScoreHeard(const CelloRecording& recording, const std::vector<ListenEvent>& events, std::int64_t frames)
{
    ListeningScore score;
    const auto& notes = recording.notes;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        ++score.notes;
        const std::int64_t from = notes[i].startFrame;
        const std::int64_t to = i + 1 < notes.size() ? notes[i + 1].startFrame : frames;
        std::vector<ListenEvent> heard;
        for (const ListenEvent& event : events) {
            if (event.kind == ListenEvent::Kind::NoteStarted && event.frame > from && event.frame <= to)
                heard.push_back(event);
        }
        for (const ListenEvent& event : heard)
            score.octaveErrors += IsOctaveOrTwelfthOff(event.pitch, notes[i].pitch);
        const bool firstRight = !heard.empty() && heard[0].pitch == notes[i].pitch;
        score.firstRight += firstRight;
        score.single += heard.size() == 1;
        score.named += heard.size() == 1 && firstRight;
        score.extraReports += heard.empty() ? 0 : int(heard.size()) - 1;
        if (firstRight)
            score.latenciesMs.push_back(1000.0 * double(heard[0].frame - notes[i].onsetFrame) / kRate);
    }
    return score;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Maximum(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}
