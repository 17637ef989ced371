// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/bowed_cello.h"

#include "listen/resampler.h"

#include <Bowed.h>
#include <FreeVerb.h>
#include <Stk.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

namespace {

// STK's bowed string carries a violin's body. Run at a lower rate and
// brought up to 48 kHz, its body is that much larger: a cello's.
int InstrumentRate(CelloBody body)
{
    return body == CelloBody::Small ? 26000 : 21000;
}

constexpr double kLowestStringHz = 20.0;
constexpr double kCentsPerSemitone = 100.0;
constexpr double kCentsPerOctave = 1200.0;
constexpr double kStkControlRange = 128.0;
constexpr int kBowPressureControl = 2;
// The bow takes hold of the string over this long, and leaves it over this.
constexpr double kAttackSeconds = 0.04;
constexpr double kSoftAttackSeconds = 0.12;
constexpr double kReleaseSeconds = 0.03;
// A dB below 60 of a string left ringing.
constexpr double kRingDecayDb = 60.0;
// The notes' loudness, before the room's noises are set against it.
constexpr double kNotesLevelDb = -20.0;
// Fan noise: a low rumble, and as much hiss this many dB below it.
constexpr double kRumbleHz = 400.0;
constexpr double kHissBelowRumbleDb = 10.0;
constexpr int kHumHarmonics = 5;

double HzOf(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

double Db(double ratio)
{
    return std::pow(10.0, ratio / 20.0);
}

// How far the model's pitch lies from the one asked for, found once per
// note and body: the string's filters lengthen its loop a little.
double MeasuredHz(const std::vector<float>& sound, int rate, double expectedHz)
{
    const double period = rate / expectedHz;
    const auto shortest = std::size_t(period * 0.9), longest = std::size_t(period * 1.1) + 1;
    const std::size_t from = sound.size() / 2, count = sound.size() / 4;
    std::vector<double> unlikeness(longest + 2, 1e9);
    std::size_t best = shortest;
    for (std::size_t lag = shortest - 1; lag <= longest + 1; ++lag) {
        double difference = 0, energy = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            const double a = sound[i], b = sound[i + lag];
            difference += (a - b) * (a - b);
            energy += a * a + b * b;
        }
        unlikeness[lag] = difference / energy;
        if (lag >= shortest && lag <= longest && unlikeness[lag] < unlikeness[best])
            best = lag;
    }
    const double a = unlikeness[best - 1], b = unlikeness[best], c = unlikeness[best + 1];
    const double offset = 0.5 * (a - c) / (a - 2 * b + c);
    return rate / (double(best) + offset);
}

double TuningCents(int pitch, int rate)
{
    static std::map<std::pair<int, int>, double> known;
    const auto key = std::make_pair(pitch, rate);
    if (auto found = known.find(key); found != known.end())
        return found->second;
    stk::Stk::setSampleRate(rate);
    stk::Bowed string(kLowestStringHz);
    string.controlChange(kBowPressureControl, kStkControlRange / 2);
    string.noteOn(HzOf(pitch), 0.7);
    std::vector<float> sound(static_cast<std::size_t>(rate));
    for (float& sample : sound)
        sample = float(string.tick());
    const double cents = kCentsPerOctave * std::log2(HzOf(pitch) / MeasuredHz(sound, rate, HzOf(pitch)));
    known.emplace(key, cents);
    return cents;
}

// The pitch the finger asks for at a moment of the note, in cents from
// the note: the slide up to it, the player's error, the vibrato.
double CentsAt(const BowedNote& note, double seconds, double vibratoPhase)
{
    double cents = note.cents + note.vibratoCents * std::sin(vibratoPhase);
    const double intoNote = seconds - note.startSeconds;
    if (note.slideSeconds > 0 && intoNote < note.slideSeconds)
        cents -= kCentsPerSemitone * (1.0 - intoNote / note.slideSeconds);
    return cents;
}

// One string of one voice, bowed note after note at the body's rate.
std::vector<float> RenderVoice(const std::vector<const BowedNote*>& notes, int rate, double totalSeconds)
{
    std::map<int, double> tuning;
    for (const BowedNote* note : notes)
        tuning[note->pitch] = TuningCents(note->pitch, rate);
    stk::Stk::setSampleRate(rate);
    stk::Bowed string(kLowestStringHz);
    std::vector<float> out(std::size_t(totalSeconds * rate), 0.0f);
    std::size_t next = 0;
    const BowedNote* current = nullptr;
    double vibratoPhase = 0, ringGain = 1;
    bool bowing = false;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        if (next < notes.size() && t >= notes[next]->startSeconds) {
            current = notes[next++];
            const double attack = current->bowSpeed < 0.5 ? kSoftAttackSeconds : kAttackSeconds;
            string.controlChange(kBowPressureControl, kStkControlRange * current->bowPressure);
            if (!current->slurred || !bowing)
                string.startBowing(current->bowSpeed, 1.0 / (attack * rate));
            bowing = true;
            ringGain = 1;
        }
        if (!current)
            continue;
        const double bowEnd = current->startSeconds + current->seconds;
        const bool slurNext = next < notes.size() && notes[next]->slurred && notes[next]->startSeconds <= bowEnd;
        if (bowing && t >= bowEnd && !slurNext) {
            if (current->ringSeconds > 0) {
                // The bow leaves; the open string rings on and dies away.
                ringGain *= Db(-kRingDecayDb / (current->ringSeconds * rate));
            } else {
                string.stopBowing(1.0 / (kReleaseSeconds * rate));
                bowing = false;
            }
        }
        vibratoPhase += 2 * M_PI * current->vibratoHz / rate;
        const double cents = CentsAt(*current, t, vibratoPhase) + tuning[current->pitch];
        string.setFrequency(HzOf(current->pitch + cents / kCentsPerSemitone));
        out[i] = float(string.tick() * ringGain);
    }
    return out;
}

// RBJ's second-order filters, for the microphone's band.
struct BiQuad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    float Tick(float x)
    {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return float(y);
    }
};

BiQuad Butterworth(double hz, bool highPass)
{
    const double w = 2 * M_PI * hz / kBowedSampleRate, alpha = std::sin(w) / std::sqrt(2.0), c = std::cos(w);
    const double a0 = 1 + alpha;
    const double edge = highPass ? (1 + c) / 2 : (1 - c) / 2;
    return {edge / a0, (highPass ? -(1 + c) : (1 - c)) / a0, edge / a0, -2 * c / a0, (1 - alpha) / a0};
}

void ThroughMicrophone(std::vector<float>& sound, const RoomSound& room)
{
    if (room.lowCutHz > 0) {
        BiQuad low = Butterworth(room.lowCutHz, true);
        for (float& sample : sound)
            sample = low.Tick(sample);
    }
    if (room.highCutHz > 0) {
        BiQuad high = Butterworth(room.highCutHz, false);
        for (float& sample : sound)
            sample = high.Tick(sample);
    }
}

void InTheRoom(std::vector<float>& sound, const RoomSound& room)
{
    if (room.reverb <= 0)
        return;
    stk::Stk::setSampleRate(kBowedSampleRate);
    stk::FreeVerb reverb;
    reverb.setEffectMix(1.0);
    reverb.setRoomSize(room.roomSize);
    reverb.setDamping(0.4);
    for (float& sample : sound) {
        reverb.tick(sample);
        sample += float(room.reverb * (reverb.lastOut(0) + reverb.lastOut(1)) / 2);
    }
}

double Rms(const std::vector<float>& sound, const std::vector<BowedNote>& notes, double leadIn)
{
    double sum = 0;
    std::size_t count = 0;
    for (const BowedNote& note : notes) {
        const auto from = std::size_t((leadIn + note.startSeconds) * kBowedSampleRate);
        const auto to = std::min(sound.size(), std::size_t((leadIn + note.startSeconds + note.seconds) * kBowedSampleRate));
        for (std::size_t i = from; i < to; ++i, ++count)
            sum += double(sound[i]) * sound[i];
    }
    return count ? std::sqrt(sum / double(count)) : 0;
}

void AddNoises(std::vector<float>& sound, const RoomSound& room, double notesRms)
{
    std::mt19937 generator(room.seed);
    std::normal_distribution<double> white(0.0, 1.0);
    if (room.humHz > 0) {
        const double humRms = notesRms * Db(-room.humBelowDb);
        for (std::size_t i = 0; i < sound.size(); ++i) {
            double hum = 0;
            for (int h = 1; h <= kHumHarmonics; ++h)
                hum += std::sin(2 * M_PI * room.humHz * h * double(i) / kBowedSampleRate) / h;
            sound[i] += float(humRms * hum);
        }
    }
    if (room.noiseBelowDb > 0) {
        // A fan: mostly rumble, some hiss; the rumble's pole keeps its
        // level at that of white noise through the same band.
        const double pole = std::exp(-2 * M_PI * kRumbleHz / kBowedSampleRate);
        const double rumbleGain = std::sqrt((1 - pole * pole));
        const double hiss = Db(-kHissBelowRumbleDb);
        const double noiseRms = notesRms * Db(-room.noiseBelowDb) / std::sqrt(1 + hiss * hiss);
        double rumble = 0;
        for (float& sample : sound) {
            rumble = pole * rumble + rumbleGain * white(generator);
            sample += float(noiseRms * (rumble + hiss * white(generator)));
        }
    }
}

} // namespace

std::vector<float> RenderBowedCello(const std::vector<BowedNote>& notes, CelloBody body, const RoomSound& room,
                                    double tailSeconds)
{
    double end = 0;
    int voices = 0;
    for (const BowedNote& note : notes) {
        end = std::max(end, note.startSeconds + note.seconds + note.ringSeconds);
        voices = std::max(voices, note.voice + 1);
    }
    const double totalSeconds = end + tailSeconds;
    const int rate = InstrumentRate(body);
    std::vector<float> sound;
    for (int voice = 0; voice < voices; ++voice) {
        std::vector<const BowedNote*> ofVoice;
        for (const BowedNote& note : notes) {
            if (note.voice == voice)
                ofVoice.push_back(&note);
        }
        std::sort(ofVoice.begin(), ofVoice.end(),
                  [](const BowedNote* a, const BowedNote* b) { return a->startSeconds < b->startSeconds; });
        const std::vector<float> heard = Resampled(RenderVoice(ofVoice, rate, totalSeconds), rate, kBowedSampleRate);
        sound.resize(std::max(sound.size(), heard.size()), 0.0f);
        for (std::size_t i = 0; i < heard.size(); ++i)
            sound[i] += heard[i];
    }
    InTheRoom(sound, room);
    ThroughMicrophone(sound, room);
    const double rms = Rms(sound, notes, 0);
    if (rms > 0) {
        const double gain = Db(kNotesLevelDb) / rms;
        for (float& sample : sound)
            sample = float(sample * gain);
    }
    AddNoises(sound, room, Db(kNotesLevelDb));
    return sound;
}
