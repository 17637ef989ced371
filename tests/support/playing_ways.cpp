// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/playing_ways.h"

#include "listen/note_tracker.h"
#include "model/pitch.h"
#include "support/bowed_cello.h"

#include <algorithm>
#include <random>

namespace {

constexpr double kLeadInSeconds = 0.5;
constexpr double kTailSeconds = 1.0;
constexpr int kOpenStrings[] = {36, 43, 50, 57};
constexpr int kSemitonesPerString = 7;

class CTake {
public:
    explicit CTake(unsigned seed) : m_random(seed) {}

    double Between(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_random); }
    int AnyOf(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(double share) { return Between(0, 1) < share; }
    int Pitch() { return AnyOf(kLowestStopPitch, kHighestStopPitch); }
    // A note a student moves to: mostly near, sometimes a leap.
    int NextPitch(int from)
    {
        const int step = Chance(0.7) ? AnyOf(-4, 4) : AnyOf(-12, 12);
        return std::clamp(from + step, kLowestStopPitch, kHighestStopPitch);
    }
    // An ordinary bow stroke at a moment, the error of an attentive student.
    BowedNote Stroke(int pitch)
    {
        BowedNote note;
        note.pitch = pitch;
        note.startSeconds = m_at;
        note.cents = Between(-12, 12);
        note.bowPressure = Between(0.35, 0.7);
        note.bowSpeed = Between(0.5, 0.9);
        note.vibratoCents = Chance(0.3) ? Between(5, 20) : 0;
        note.vibratoHz = Between(4.5, 6.5);
        return note;
    }
    // The note is held (it names it) and played for that long, then the
    // time moves on by that and a gap.
    void Add(BowedNote note, double seconds, double gap, bool held = true)
    {
        note.seconds = seconds;
        m_notes.push_back(note);
        m_held.push_back(held);
        m_at = note.startSeconds + seconds + gap;
    }
    double At() const { return m_at; }
    void Wait(double seconds) { m_at += seconds; }

    RoomSound OrdinaryRoom()
    {
        RoomSound room;
        room.reverb = Between(0.05, 0.3);
        room.roomSize = Between(0.3, 0.7);
        // Half the takes through a laptop's microphone, which hears little
        // of the low strings' fundamentals.
        const bool laptop = Chance(0.5);
        room.lowCutHz = laptop ? Between(150, 250) : Between(40, 90);
        room.highCutHz = laptop ? Between(6000, 9000) : Between(10000, 16000);
        room.humHz = Chance(0.5) ? 50 : 60;
        room.humBelowDb = Between(30, 45);
        room.noiseBelowDb = Between(30, 45);
        room.seed = unsigned(AnyOf(1, 1 << 30));
        return room;
    }

    CelloRecording Render(const RoomSound& room)
    {
        const CelloBody body = Chance(0.5) ? CelloBody::Small : CelloBody::Large;
        CelloRecording recording;
        recording.samples = RenderBowedCello(m_notes, body, room, kTailSeconds);
        for (std::size_t i = 0; i < m_notes.size(); ++i) {
            if (!m_held[i])
                continue;
            const BowedNote& note = m_notes[i];
            RenderedNote heard;
            heard.pitch = note.pitch;
            heard.startFrame = Frame(note.startSeconds);
            heard.onsetFrame = Frame(note.startSeconds + note.slideSeconds);
            heard.releaseFrame = Frame(note.startSeconds + note.seconds);
            recording.notes.push_back(heard);
        }
        std::sort(recording.notes.begin(), recording.notes.end(),
                  [](const RenderedNote& a, const RenderedNote& b) { return a.startFrame < b.startFrame; });
        return recording;
    }

private:
    static std::int64_t Frame(double seconds) { return std::int64_t(seconds * kBowedSampleRate); }

    std::mt19937 m_random;
    double m_at = kLeadInSeconds;
    std::vector<BowedNote> m_notes;
    std::vector<bool> m_held;
};

void PlayDetached(CTake& take, int notes)
{
    int pitch = take.Pitch();
    for (int i = 0; i < notes; ++i) {
        take.Add(take.Stroke(pitch), take.Between(0.35, 1.0), take.Between(0.05, 0.3));
        pitch = take.Chance(0.1) ? pitch : take.NextPitch(pitch);
    }
}

void PlayHeldLow(CTake& take, int notes)
{
    constexpr int kLightBowed[] = {43, 44};
    for (int i = 0; i < notes; ++i) {
        const bool light = take.Chance(0.3);
        BowedNote note = take.Stroke(light ? kLightBowed[take.AnyOf(0, 1)] : take.AnyOf(36, 40));
        if (light) {
            note.bowPressure = take.Between(0.15, 0.3);
            note.bowSpeed = take.Between(0.3, 0.45);
        }
        take.Add(note, take.Between(1.5, 2.5), take.Between(0.15, 0.4));
    }
}

void PlayLegatoOutOfTune(CTake& take, int notes)
{
    int pitch = take.Pitch();
    int direction = take.Chance(0.5) ? 1 : -1;
    for (int played = 0; played < notes;) {
        const int inBow = take.AnyOf(3, 8);
        for (int i = 0; i < inBow && played < notes; ++i, ++played) {
            BowedNote note = take.Stroke(pitch);
            note.vibratoCents = 0;
            note.slurred = i > 0;
            note.cents = (take.Chance(0.5) ? 1 : -1) * take.Between(20, 35);
            take.Add(note, take.Between(0.25, 0.45), 0);
            if (pitch + direction < kLowestStopPitch || pitch + direction > kHighestStopPitch)
                direction = -direction;
            pitch += direction;
        }
        // The bow changes.
        take.Wait(take.Between(0.02, 0.06));
        if (take.Chance(0.3))
            direction = -direction;
    }
}

void PlaySlideIn(CTake& take, int notes)
{
    int pitch = take.Pitch();
    for (int i = 0; i < notes; ++i) {
        BowedNote note = take.Stroke(pitch);
        note.slideSeconds = take.Between(0.1, 0.2);
        take.Add(note, note.slideSeconds + take.Between(0.4, 0.8), take.Between(0.1, 0.3));
        pitch = take.NextPitch(pitch);
    }
}

void PlayOverOpenString(CTake& take, int notes)
{
    for (int i = 0; i < notes; i += 2) {
        const int string = take.AnyOf(0, 3);
        BowedNote open = take.Stroke(kOpenStrings[string]);
        open.vibratoCents = 0;
        open.cents = take.Between(-5, 5);
        open.voice = 1;
        open.ringSeconds = take.Between(1.5, 3.0);
        take.Add(open, take.Between(0.4, 0.7), take.Between(0.05, 0.3));
        // A stopped note on another string.
        int other = take.AnyOf(0, 2);
        other += other >= string ? 1 : 0;
        const int stopped = std::min(kOpenStrings[other] + take.AnyOf(1, kSemitonesPerString - 1),
                                     kHighestStopPitch);
        take.Add(take.Stroke(stopped), take.Between(0.5, 0.8), take.Between(0.6, 1.0));
    }
}

void PlayWideVibrato(CTake& take, int notes)
{
    int pitch = take.Pitch();
    for (int i = 0; i < notes; ++i) {
        BowedNote note = take.Stroke(pitch);
        note.cents = take.Between(-8, 8);
        note.vibratoCents = take.Between(60, 80);
        note.vibratoHz = take.Between(4.5, 6.5);
        take.Add(note, take.Between(0.5, 1.0), take.Between(0.1, 0.3));
        pitch = take.NextPitch(pitch);
    }
}

void PlayLightBow(CTake& take, int notes)
{
    int pitch = take.Pitch();
    for (int i = 0; i < notes; ++i) {
        BowedNote note = take.Stroke(pitch);
        note.bowPressure = take.Between(0.15, 0.3);
        note.bowSpeed = take.Between(0.25, 0.4);
        take.Add(note, take.Between(0.5, 1.0), take.Between(0.1, 0.3));
        pitch = take.NextPitch(pitch);
    }
}

void PlayQuickEighths(CTake& take, int notes)
{
    constexpr double kEighthSeconds = 0.25;
    int pitch = take.Pitch();
    for (int i = 0; i < notes; ++i) {
        BowedNote note = take.Stroke(pitch);
        note.vibratoCents = 0;
        const double bowed = take.Between(0.19, 0.23);
        take.Add(note, bowed, kEighthSeconds - bowed);
        pitch = take.Chance(0.25) ? pitch
                                  : std::clamp(pitch + take.AnyOf(-3, 3), kLowestStopPitch, kHighestStopPitch);
    }
}

} // namespace

const char* CelloWayName(CelloWay way)
{
    switch (way) {
    case CelloWay::Detached:
        return "detached";
    case CelloWay::HeldLow:
        return "held low strings";
    case CelloWay::LegatoOutOfTune:
        return "legato out of tune";
    case CelloWay::SlideIn:
        return "slide in";
    case CelloWay::OverOpenString:
        return "over an open string";
    case CelloWay::WideVibrato:
        return "wide vibrato";
    case CelloWay::LightBow:
        return "light bow";
    case CelloWay::QuickEighths:
        return "eighths at 120";
    case CelloWay::FanNoise:
        return "fan noise 10 dB";
    case CelloWay::WetRoom:
        return "wet room";
    }
    return "";
}

CelloRecording PlayBowedTake(CelloWay way, int notes, unsigned seed)
{
    CTake take(seed * 1000 + unsigned(way));
    RoomSound room = take.OrdinaryRoom();
    switch (way) {
    case CelloWay::Detached:
    case CelloWay::FanNoise:
    case CelloWay::WetRoom:
        PlayDetached(take, notes);
        break;
    case CelloWay::HeldLow:
        PlayHeldLow(take, notes);
        break;
    case CelloWay::LegatoOutOfTune:
        PlayLegatoOutOfTune(take, notes);
        break;
    case CelloWay::SlideIn:
        PlaySlideIn(take, notes);
        break;
    case CelloWay::OverOpenString:
        PlayOverOpenString(take, notes);
        break;
    case CelloWay::WideVibrato:
        PlayWideVibrato(take, notes);
        break;
    case CelloWay::LightBow:
        PlayLightBow(take, notes);
        break;
    case CelloWay::QuickEighths:
        PlayQuickEighths(take, notes);
        break;
    }
    if (way == CelloWay::FanNoise)
        room.noiseBelowDb = 10;
    if (way == CelloWay::WetRoom) {
        room.reverb = take.Between(0.8, 1.0);
        room.roomSize = take.Between(0.85, 0.95);
    }
    return take.Render(room);
}
