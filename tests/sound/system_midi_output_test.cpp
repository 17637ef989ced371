// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's own MIDI outputs: the device list must hold together on
// any machine, with or without a sequencer or a sound card.
#include "framework/frame_wnd.h"
#include "framework/main_window_shows.h"
#include "framework/win_app.h"
#include "sound/alsa_midi_ports.h"
#include "sound/builtin_synth.h"
#include "sound/midi_device.h"
#include "support/held_loading.h"
#include "support/recording_midi_output.h"
#include "support/scripted_responder.h"
#include "sound/system_midi_output.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(SystemMidiOutput, ListsTheSynthesizerFirstAndThenTheSequencerPorts)
{
    const auto ports = ListAlsaMidiOutputs();
    if (!QFileInfo::exists("/dev/snd/seq")) {
        EXPECT_TRUE(ports.empty()) << "without a sequencer there are no ports";
    }
    for (const auto& name : ports)
        EXPECT_NE(name.rfind("Voldrim:", 0), 0u) << "our own port is listed: " << name;

    CSystemMidiOutput system;
    const UINT count = system.GetNumDevs();
    EXPECT_EQ(count, UINT(1 + ports.size()));
    EXPECT_EQ(system.GetProductName(0), "Voldrim Synthesizer");
    for (UINT id = 1; id < count; ++id)
        EXPECT_EQ(system.GetProductName(int(id)).toStdString(), ports[id - 1]);
    EXPECT_TRUE(system.GetProductName(int(count)).isEmpty());
}

TEST(SystemMidiOutput, UnknownDevicesAndForeignHandlesAreRefused)
{
    CSystemMidiOutput system;
    HMIDIOUT handle = reinterpret_cast<HMIDIOUT>(1);
    EXPECT_EQ(system.Open(int(system.GetNumDevs()) + 5, &handle), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(handle, nullptr);

    CRecordingMidiOutput other;
    HMIDIOUT foreign = nullptr;
    ASSERT_EQ(other.Open(0, &foreign), MMSYSERR_NOERROR);
    EXPECT_EQ(system.ShortMsg(foreign, 0x007F3C90), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(system.Close(foreign), MMSYSERR_INVALHANDLE);
    EXPECT_TRUE(other.AllWords().empty());
}

TEST(SystemMidiOutput, DefaultOutputOpensOrSaysWhyNot)
{
    if (CBuiltinSynth::FindSoundFont().isEmpty())
        GTEST_SKIP() << "no General MIDI soundfont on this machine";
    CSystemMidiOutput system;
    HMIDIOUT handle = nullptr;
    const MMRESULT result = system.Open(MIDI_MAPPER, &handle);
    if (result != MMSYSERR_NOERROR) {
        // No sound card here: the open fails, it does not hang or crash.
        EXPECT_EQ(handle, nullptr);
        return;
    }
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(system.ShortMsg(handle, 0x007F05C0), MMSYSERR_NOERROR);
    EXPECT_EQ(system.Close(handle), MMSYSERR_NOERROR);
}

// The synthesizer plays into ALSA's null device, which every machine has.
class SynthOnDevice : public ::testing::Test {
protected:
    explicit SynthOnDevice(const char* device) : m_device(device) {}
    void SetUp() override { qputenv("VOLDRIM_SYNTH_DEVICE", m_device); }
    void TearDown() override
    {
        if (m_saved.isNull())
            qunsetenv("VOLDRIM_SYNTH_DEVICE");
        else
            qputenv("VOLDRIM_SYNTH_DEVICE", m_saved);
    }

private:
    const char* m_device;
    const QByteArray m_saved = qgetenv("VOLDRIM_SYNTH_DEVICE");
};

class SynthOnNullDevice : public SynthOnDevice {
protected:
    SynthOnNullDevice() : SynthOnDevice("null") {}
};

class SynthOnMissingDevice : public SynthOnDevice {
protected:
    SynthOnMissingDevice() : SynthOnDevice("voldrim_no_such_device") {}
};

TEST_F(SynthOnNullDevice, TheDeviceOpensAndPlaysWithoutWaitingForTheSoundFont)
{
    const CString soundFont = CBuiltinSynth::FindSoundFont();
    if (soundFont.isEmpty())
        GTEST_SKIP() << "no General MIDI soundfont on this machine";
    CHeldLoading loading;
    CSystemMidiOutput system({ soundFont }, loading.Runner());
    CServiceOverride<CMidiOutputSystem> installed(&system);
    CMidiDevice device;
    EXPECT_EQ(device.OpenDevice(), TRUE);
    EXPECT_EQ(device.PlayNoteOn(60), TRUE);
    EXPECT_TRUE(loading.Waiting()) << "the soundfont is still held back";
    loading.Release();
}

TEST_F(SynthOnNullDevice, NoSoundFontIsToldOnceAfterTheMainWindowShows)
{
    QTemporaryDir dir;
    CSystemMidiOutput system({ dir.filePath(QStringLiteral("missing.sf2")) }, {});
    CServiceOverride<CMidiOutputSystem> installed(&system);
    CScriptedResponder responder;
    CWinApp app;
    app.m_pMainWnd = new CFrameWnd();
    CMidiDevice device;
    EXPECT_EQ(device.OpenDevice(), TRUE) << "open at once, without a message";

    responder.ExpectMessageBox();
    app.m_pMainWnd->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !responder.Texts().empty(); }));
    ASSERT_EQ(responder.Texts().size(), 1u);
    EXPECT_TRUE(responder.Texts()[0].contains("could not load a soundfont")) << responder.Texts()[0].toStdString();
    delete std::exchange(app.m_pMainWnd, nullptr);
}

// The document, with its MIDI device, is made before the main window.
TEST_F(SynthOnNullDevice, WhileTheProgramStartsTheSynthesizerOpensOnceTheMainWindowIsPainted)
{
    const CString soundFont = CBuiltinSynth::FindSoundFont();
    if (soundFont.isEmpty())
        GTEST_SKIP() << "no General MIDI soundfont on this machine";
    CHeldLoading loading;
    CSystemMidiOutput system({ soundFont }, loading.Runner());
    CServiceOverride<CMidiOutputSystem> installed(&system);
    CWinApp app;
    CMidiDevice device;
    EXPECT_EQ(device.OpenDevice(), TRUE);
    EXPECT_EQ(device.PlayNoteOn(60), TRUE);
    QTest::qWait(100);
    EXPECT_FALSE(loading.Waiting()) << "no synthesizer before the window";

    app.m_pMainWnd = new CFrameWnd();
    app.m_pMainWnd->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return loading.Waiting(); }, kLatestAfterPaintMs / 2));
    loading.Release();
    delete std::exchange(app.m_pMainWnd, nullptr);
}

TEST_F(SynthOnMissingDevice, NoAudioOutputWhileStartingIsToldOnceTheMainWindowShows)
{
    CSystemMidiOutput system;
    CServiceOverride<CMidiOutputSystem> installed(&system);
    CScriptedResponder responder;
    CWinApp app;
    CMidiDevice device;
    EXPECT_EQ(device.OpenDevice(), TRUE) << "open at once, without a message";
    EXPECT_EQ(device.PlayNoteOn(60), TRUE);

    app.m_pMainWnd = new CFrameWnd();
    responder.ExpectMessageBox();
    app.m_pMainWnd->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !responder.Texts().empty(); }));
    QTest::qWait(200);
    ASSERT_EQ(responder.Texts().size(), 1u);
    EXPECT_TRUE(responder.Texts()[0].contains("could not open your MIDI device")) << responder.Texts()[0].toStdString();
    EXPECT_EQ(device.PlayNoteOn(62), TRUE) << "open and silent";
    delete std::exchange(app.m_pMainWnd, nullptr);
}

} // namespace
