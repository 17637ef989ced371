// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in synthesizer, rendered offline: it must play the note asked
// for, loud enough to hear, and let it die away after note-off. Live, it
// must stop rendering when silent and start again for a note.
#include "sound/builtin_synth.h"
#include "sound/synth_port.h"
#include "support/held_loading.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <thread>
#include <vector>

namespace {

constexpr int kRate = CBuiltinSynth::kSampleRate;

std::vector<double> LeftChannel(const std::vector<std::int16_t>& stereo, int fromFrame, int frames)
{
    std::vector<double> left;
    for (int i = fromFrame; i < fromFrame + frames; ++i)
        left.push_back(stereo[std::size_t(i) * 2] / 32768.0);
    return left;
}

double Rms(const std::vector<double>& x)
{
    double sum = 0;
    for (double v : x)
        sum += v * v;
    return std::sqrt(sum / double(x.size()));
}

// The fundamental by normalised autocorrelation between 80 and 1000 Hz:
// the shortest lag that comes within 5% of the best one (so an octave
// below cannot win), refined by a parabola through its neighbours.
double Fundamental(const std::vector<double>& x)
{
    const int minLag = kRate / 1000;
    const int maxLag = kRate / 80;
    const int n = int(x.size()) - maxLag - 1;
    std::vector<double> r(std::size_t(maxLag + 2), 0.0);
    double energy = 0;
    for (int i = 0; i < n; ++i)
        energy += x[std::size_t(i)] * x[std::size_t(i)];
    for (int lag = minLag - 1; lag <= maxLag + 1; ++lag) {
        double sum = 0;
        for (int i = 0; i < n; ++i)
            sum += x[std::size_t(i)] * x[std::size_t(i + lag)];
        r[std::size_t(lag)] = sum / energy;
    }
    double best = 0;
    for (int lag = minLag; lag <= maxLag; ++lag)
        best = std::max(best, r[std::size_t(lag)]);
    for (int lag = minLag; lag <= maxLag; ++lag) {
        const double a = r[std::size_t(lag - 1)], b = r[std::size_t(lag)], c = r[std::size_t(lag + 1)];
        if (b >= 0.95 * best && b >= a && b >= c) {
            const double shift = (a - c) / (2 * (a - 2 * b + c));
            return kRate / (lag + shift);
        }
    }
    return 0;
}

class BuiltinSynthOffline : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (CBuiltinSynth::FindSoundFont().isEmpty())
            GTEST_SKIP() << "no General MIDI soundfont on this machine (install fluid-soundfont-gm "
                            "or set VOLDRIM_SOUNDFONT)";
        CString why;
        synth = CBuiltinSynth::Create(CBuiltinSynth::Output::Offline, &why);
        ASSERT_TRUE(synth) << why.toStdString();
    }
    std::unique_ptr<CBuiltinSynth> synth;
};

TEST_F(BuiltinSynthOffline, CelloMiddleCSoundsAt261HzAndDiesAwayAfterNoteOff)
{
    ASSERT_EQ(synth->Send(0x007F2AC0), MMSYSERR_NOERROR) << "program change to Cello";
    ASSERT_EQ(synth->Send(0x007F3C90), MMSYSERR_NOERROR);
    const auto held = synth->Render(kRate); // one second held
    ASSERT_EQ(synth->Send(0x007F3C80), MMSYSERR_NOERROR);
    const auto released = synth->Render(kRate * 3 / 2);

    const auto sustain = LeftChannel(held, kRate * 3 / 10, kRate / 2);
    EXPECT_NEAR(Fundamental(sustain), 261.63, 2.6);

    double peak = 0;
    for (double v : sustain)
        peak = std::max(peak, std::abs(v));
    EXPECT_GT(peak, 0.1) << "one note must be clearly audible";
    EXPECT_LT(peak, 0.99) << "one note must not clip";

    const double tail = Rms(LeftChannel(released, kRate * 13 / 10, kRate / 5));
    EXPECT_LT(tail, Rms(sustain) * 0.05) << "the note must fade after note-off";
}

TEST_F(BuiltinSynthOffline, ProgramChangeChangesTheSound)
{
    // Same note, piano then cello: the two renderings must differ, or the
    // program-change word never reached the synthesizer.
    synth->Send(0x007F3C90);
    const auto piano = LeftChannel(synth->Render(kRate / 2), kRate / 10, kRate / 5);
    EXPECT_GT(Rms(piano), 0.01) << "a channel with no program change yet plays the first program";
    synth->Send(0x007F3C80);
    synth->Render(kRate * 2);
    synth->Send(0x007F2AC0);
    synth->Send(0x007F3C90);
    const auto cello = LeftChannel(synth->Render(kRate / 2), kRate / 10, kRate / 5);
    double difference = 0;
    for (std::size_t i = 0; i < piano.size(); ++i)
        difference += std::abs(piano[i] - cello[i]);
    EXPECT_GT(difference / double(piano.size()), 0.01);
}

TEST_F(BuiltinSynthOffline, RefusedWordsMakeNoSound)
{
    EXPECT_EQ(synth->Send(0x007FE790), MMSYSERR_INVALPARAM);
    // Silence but for the dither of the 16-bit rendering.
    EXPECT_LT(Rms(LeftChannel(synth->Render(kRate / 4), 0, kRate / 4)), 1e-4);
}

TEST(BuiltinSynth, MissingSoundFontIsAFailedOpenWithAReason)
{
    const QByteArray saved = qgetenv("VOLDRIM_SOUNDFONT");
    qputenv("VOLDRIM_SOUNDFONT", "/nonexistent/none.sf2");
    const CString found = CBuiltinSynth::FindSoundFont();
    EXPECT_NE(found, "/nonexistent/none.sf2") << "a missing file is passed over";
    if (found.isEmpty()) {
        CString why;
        EXPECT_FALSE(CBuiltinSynth::Create(CBuiltinSynth::Output::Offline, &why));
        EXPECT_FALSE(why.isEmpty());
    }
    if (saved.isNull())
        qunsetenv("VOLDRIM_SOUNDFONT");
    else
        qputenv("VOLDRIM_SOUNDFONT", saved);
}

// The mean distance between two renderings, sample by sample.
double MeanDifference(const std::vector<double>& a, const std::vector<double>& b)
{
    double sum = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        sum += std::abs(a[i] - b[i]);
    return sum / double(a.size());
}

constexpr DWORD kCello = 0x007F2AC0, kOn60 = 0x007F3C90, kOff60 = 0x007F3C80;

TEST(BuiltinSynthLoading, WordsSentBeforeTheSoundFontLoadedPlayOnceItHas)
{
    const CString soundFont = CBuiltinSynth::FindSoundFont();
    if (soundFont.isEmpty())
        GTEST_SKIP() << "no General MIDI soundfont on this machine";
    // The cello as it sounds when everything is sent after loading.
    const auto loaded = CBuiltinSynth::CreateWith({ soundFont }, CBuiltinSynth::Output::Offline, nullptr, nullptr);
    ASSERT_TRUE(loaded);
    loaded->Render(kRate / 4);
    loaded->Send(kCello);
    loaded->Send(kOn60);
    const auto cello = LeftChannel(loaded->Render(kRate), kRate * 3 / 10, kRate / 2);

    for (const bool stoppedBeforeLoading : { false, true }) {
        SCOPED_TRACE(stoppedBeforeLoading ? "stopped before loading" : "held");
        CHeldLoading loading;
        const auto synth = CBuiltinSynth::Open({ soundFont }, CBuiltinSynth::Output::Offline,
                                               CBuiltinSynth::kSampleLoading, loading.Runner());
        ASSERT_TRUE(synth);
        ASSERT_TRUE(loading.Waiting()) << "open before loading";
        EXPECT_EQ(synth->Send(kCello), MMSYSERR_NOERROR);
        EXPECT_EQ(synth->Send(kOn60), MMSYSERR_NOERROR);
        if (stoppedBeforeLoading)
            synth->Send(kOff60);
        EXPECT_LT(Rms(LeftChannel(synth->Render(kRate / 4), 0, kRate / 4)), 1e-4) << "silent while loading";

        loading.Release();
        ASSERT_EQ(synth->WaitUntilLoaded(), CBuiltinSynth::LoadState::Loaded);
        EXPECT_EQ(synth->SoundFont(), soundFont);
        const auto after = LeftChannel(synth->Render(kRate), kRate * 3 / 10, kRate / 2);
        if (stoppedBeforeLoading) {
            EXPECT_LT(Rms(after), 1e-4) << "a note over before loading is not played late";
        } else {
            EXPECT_NEAR(Fundamental(after), 261.63, 2.6);
            EXPECT_LT(MeanDifference(after, cello), 1e-3) << "the cello, as chosen before loading";
        }
    }
}

TEST(SynthPort, ANoteAskedForBeforeTheSynthesizerOpenedSoundsOnceItHas)
{
    const CString soundFont = CBuiltinSynth::FindSoundFont();
    if (soundFont.isEmpty())
        GTEST_SKIP() << "no General MIDI soundfont on this machine";
    std::vector<MMRESULT> failures;
    CSynthPort port([&failures](CSynthPort*, MMRESULT error) { failures.push_back(error); });
    CBuiltinSynth* opened = nullptr;
    const std::function<void()> open = port.OpeningCall([&opened, soundFont](MMRESULT*) {
        auto synth = CBuiltinSynth::Open({ soundFont }, CBuiltinSynth::Output::Offline);
        opened = synth.get();
        return synth;
    });
    EXPECT_EQ(port.Send(kCello), MMSYSERR_NOERROR);
    EXPECT_EQ(port.Send(kOn60), MMSYSERR_NOERROR);
    EXPECT_FALSE(port.IsSynthOpen());

    open();
    ASSERT_TRUE(QTest::qWaitFor([&port] { return port.IsSynthOpen(); }));
    ASSERT_EQ(opened->WaitUntilLoaded(), CBuiltinSynth::LoadState::Loaded);
    EXPECT_NEAR(Fundamental(LeftChannel(opened->Render(kRate), kRate * 3 / 10, kRate / 2)), 261.63, 2.6);
    QTest::qWait(200);
    EXPECT_TRUE(failures.empty());
}

TEST(SynthPort, ASynthesizerThatDoesNotOpenIsToldOnceAndAClosedPortOpensNone)
{
    std::vector<MMRESULT> failures;
    int opens = 0;
    const CSynthPort::Opener noDriver = [&opens](MMRESULT* error) {
        ++opens;
        *error = MMSYSERR_NODRIVER;
        return std::unique_ptr<CBuiltinSynth>();
    };
    CSynthPort port([&failures](CSynthPort*, MMRESULT error) { failures.push_back(error); });
    EXPECT_EQ(port.Send(kOn60), MMSYSERR_NOERROR);
    port.OpeningCall(noDriver)();
    ASSERT_TRUE(QTest::qWaitFor([&failures] { return !failures.empty(); }));
    QTest::qWait(200);
    EXPECT_EQ(failures, std::vector<MMRESULT>({ MMSYSERR_NODRIVER }));
    EXPECT_EQ(port.Send(kOff60), MMSYSERR_NOERROR) << "taken, silently";
    EXPECT_EQ(port.Send(0), MMSYSERR_INVALPARAM);

    auto closed = std::make_unique<CSynthPort>([](CSynthPort*, MMRESULT) {});
    const std::function<void()> late = closed->OpeningCall(noDriver);
    closed.reset();
    late();
    EXPECT_EQ(opens, 1) << "the call kept for later does nothing once its port has closed";
}

// A file that starts as a soundfont does and is broken inside.
QString WriteBrokenSoundFont(const QTemporaryDir& dir)
{
    QFile file(dir.filePath(QStringLiteral("broken.sf2")));
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray("RIFF\0\x10\0\0sfbk", 12) + "broken inside");
    return file.fileName();
}

TEST(BuiltinSynthSoundFont, OneThatDoesNotLoadGivesWayToTheNext)
{
    const QByteArray saved = qgetenv("VOLDRIM_SOUNDFONT");
    qunsetenv("VOLDRIM_SOUNDFONT");
    const CString good = CBuiltinSynth::FindSoundFont();
    if (good.isEmpty())
        GTEST_SKIP() << "no General MIDI soundfont on this machine";
    QTemporaryDir dir;
    const QString broken = WriteBrokenSoundFont(dir);
    const QString missing = dir.filePath(QStringLiteral("missing.sf2"));
    qputenv("VOLDRIM_SOUNDFONT", QFile::encodeName(broken));
    ASSERT_EQ(CBuiltinSynth::FindSoundFont(), broken) << "it looks like a soundfont";

    const struct {
        const char* name;
        QStringList tried;
        CString loaded; // empty: none loads
    } cases[] = {
        { "the user's broken one, then the system's", CBuiltinSynth::SoundFontCandidates(), good },
        { "missing and broken, then a good one", { missing, broken, good }, good },
        { "none that loads", { missing, broken }, CString() },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CString why;
        MMRESULT error = MMSYSERR_NOERROR;
        const auto synth = CBuiltinSynth::CreateWith(c.tried, CBuiltinSynth::Output::Offline, &why, &error);
        if (c.loaded.isEmpty()) {
            EXPECT_FALSE(synth);
            EXPECT_EQ(error, MIDIERR_NOSOUNDFONT);
            for (const QString& path : c.tried)
                EXPECT_TRUE(why.contains(path)) << why.toStdString();
        } else {
            ASSERT_TRUE(synth) << why.toStdString();
            EXPECT_EQ(synth->SoundFont(), c.loaded);
        }
    }
    if (saved.isNull())
        qunsetenv("VOLDRIM_SOUNDFONT");
    else
        qputenv("VOLDRIM_SOUNDFONT", saved);
}

bool WaitFor(const std::function<bool()>& done)
{
    for (int i = 0; i < 1000 && !done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return done();
}

TEST(BuiltinSynthLive, SleepsAfterSilenceAndWakesForTheNextNote)
{
    if (CBuiltinSynth::FindSoundFont().isEmpty())
        GTEST_SKIP() << "no General MIDI soundfont on this machine";
    const QByteArray saved = qgetenv("VOLDRIM_SYNTH_DEVICE");
    qputenv("VOLDRIM_SYNTH_DEVICE", "null"); // paced, so it spins no core
    const auto silence = std::chrono::milliseconds(100);
    auto synth = CBuiltinSynth::Open(CBuiltinSynth::SoundFontCandidates(), CBuiltinSynth::Output::Audio,
                                     CBuiltinSynth::kSampleLoading, {}, nullptr, nullptr, silence);
    ASSERT_TRUE(synth);
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(WaitFor([&] { return synth->IsAudioAsleep(); })) << "silent, yet it renders on";
        const std::uint64_t rendered = synth->RenderedBlocks();
        std::this_thread::sleep_for(silence);
        EXPECT_EQ(synth->RenderedBlocks(), rendered) << "asleep, yet it renders";
        const std::uint64_t heard = synth->AudibleBlocks();
        synth->Send(0x007F3C90);
        EXPECT_TRUE(WaitFor([&] { return synth->AudibleBlocks() > heard; })) << "the note after sleep was not heard";
        EXPECT_EQ(synth->AudioWakings(), round);
        std::this_thread::sleep_for(3 * silence);
        EXPECT_FALSE(synth->IsAudioAsleep()) << "asleep under a sounding note";
        synth->Send(0x007F3C80);
    }
    if (saved.isNull())
        qunsetenv("VOLDRIM_SYNTH_DEVICE");
    else
        qputenv("VOLDRIM_SYNTH_DEVICE", saved);
}

} // namespace
