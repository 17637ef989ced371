// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the user is told when the output fails, and the state it leaves.
#include "framework/frame_wnd.h"
#include "framework/message_box.h"
#include "framework/win_app.h"
#include "sound/builtin_synth.h"
#include "sound/midi_device.h"
#include "support/recording_midi_output.h"
#include "support/scripted_responder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Words = std::vector<DWORD>;

const char* const kCouldNotOpen = "Voldrim could not open your MIDI device.  Please close other applications that "
                                  "may be using the MIDI device and try again.";
const char* const kPatchFailed = "Attempt to initialize patch unsuccessful!  Try configure MIDI.";
const char* const kCloseFailed = "Attempt to close MIDI device was unsuccessful!";
const char* const kOpenFailed = "Attempt to open MIDI device was unsuccessful!";

class MidiDeviceFailures : public ::testing::Test {
protected:
    void SetUp() override
    {
        system.SetDevices({ "First", "Second" });
        device = std::make_unique<CMidiDevice>();
    }
    void TearDown() override { device.reset(); }
    void ExpectBoxes(const std::vector<CString>& texts)
    {
        EXPECT_EQ(responder.Texts(), texts);
        for (UINT type : responder.Types())
            EXPECT_EQ(type, UINT(MB_OK | MB_ICONEXCLAMATION));
    }

    CRecordingMidiOutput system;
    CScriptedResponder responder;
    std::unique_ptr<CMidiDevice> device;
};

TEST_F(MidiDeviceFailures, FirstOpenFailsAndNotesGoNowhere)
{
    system.FailOpen(MMSYSERR_ALLOCATED);
    responder.ExpectMessageBox();
    EXPECT_EQ(device->OpenDevice(), FALSE);
    ExpectBoxes({ kCouldNotOpen });
    EXPECT_EQ(device->GetHandle(), nullptr);

    EXPECT_EQ(device->PlayNoteOn(60), FALSE);
    EXPECT_EQ(device->PlayNoteOff(60), FALSE);
    EXPECT_EQ(device->PlayNoteOn(kRestPitch), FALSE);
    EXPECT_EQ(device->GetSoundingNote(), 0);
    EXPECT_TRUE(system.AllWords().empty());
}

TEST_F(MidiDeviceFailures, ProgramChangeFailsAfterFirstOpenButTheOutputStaysOpen)
{
    system.FailSend(MMSYSERR_ERROR);
    responder.ExpectMessageBox();
    EXPECT_EQ(device->OpenDevice(), FALSE);
    ExpectBoxes({ kPatchFailed });
    EXPECT_NE(device->GetHandle(), nullptr);

    system.FailSend(MMSYSERR_NOERROR);
    EXPECT_EQ(device->PlayNoteOn(60), TRUE);
    EXPECT_EQ(system.AllWords(), Words({ 0x007F3C90 }));
}

TEST_F(MidiDeviceFailures, ADeviceChangeRecoversFromAFailedFirstOpen)
{
    system.FailOpen(MMSYSERR_NODRIVER);
    responder.ExpectMessageBox();
    device->OpenDevice();
    system.FailOpen(MMSYSERR_NOERROR);

    device->ChangeDevice(1);
    EXPECT_NE(device->GetHandle(), nullptr);
    EXPECT_EQ(device->PlayNoteOn(60), TRUE);
    EXPECT_EQ(system.Words(1), Words({ 0x007F05C0, 0x007F3C90 }));
}

TEST_F(MidiDeviceFailures, FailedCloseIsReportedAndTheChangeGoesOn)
{
    ASSERT_EQ(device->OpenDevice(), TRUE);
    system.FailClose(MMSYSERR_INVALHANDLE);
    responder.ExpectMessageBox();
    device->ChangeDevice(1);
    ExpectBoxes({ kCloseFailed });
    EXPECT_EQ(device->GetDeviceIndex(), 2);
    EXPECT_EQ(system.Words(1), Words({ 0x007F05C0 }));
    system.FailClose(MMSYSERR_NOERROR);
}

TEST_F(MidiDeviceFailures, FailedOpenOnAChangeLeavesTheOutputClosed)
{
    ASSERT_EQ(device->OpenDevice(), TRUE);
    device->PlayNoteOn(60);
    system.FailOpen(MMSYSERR_ALLOCATED);
    responder.ExpectMessageBox();
    device->ChangeDevice(1);
    ExpectBoxes({ kOpenFailed });
    EXPECT_EQ(device->GetHandle(), nullptr);
    EXPECT_TRUE(system.OpenDevices().empty()) << "the old output was closed before the attempt";
    EXPECT_EQ(device->GetDeviceId(), 1);
    EXPECT_EQ(device->GetDeviceIndex(), 2);
    EXPECT_EQ(device->PlayNoteOn(62), FALSE);
    EXPECT_EQ(device->GetSoundingNote(), 60);
}

TEST_F(MidiDeviceFailures, OpeningANonexistentDeviceIsAFailedOpen)
{
    ASSERT_EQ(device->OpenDevice(), TRUE);
    responder.ExpectMessageBox();
    device->ChangeDevice(7);
    ExpectBoxes({ kOpenFailed });
    EXPECT_EQ(device->GetHandle(), nullptr);
}

TEST_F(MidiDeviceFailures, FailedProgramChangeOnAChangeKeepsTheNewOutput)
{
    ASSERT_EQ(device->OpenDevice(), TRUE);
    system.FailSend(MMSYSERR_ERROR);
    responder.ExpectMessageBox();
    device->ChangeDevice(0);
    ExpectBoxes({ kPatchFailed });
    EXPECT_EQ(system.OpenDevices(), std::vector<int>({ 0 }));
    EXPECT_NE(device->GetHandle(), nullptr);

    // Note results are not looked at: a refusing output still counts as open.
    EXPECT_EQ(device->PlayNoteOn(60), TRUE);
}

TEST_F(MidiDeviceFailures, NoSoundFontSaysSoAndWhereItWasLookedFor)
{
    system.FailOpen(MIDIERR_NOSOUNDFONT);
    responder.ExpectMessageBox();
    responder.ExpectMessageBox();
    EXPECT_EQ(device->OpenDevice(), FALSE);
    device->ChangeDevice(MIDI_MAPPER);
    ASSERT_EQ(responder.Texts().size(), 2u) << "at start-up and on choosing the synthesizer";
    for (const CString& text : responder.Texts()) {
        EXPECT_TRUE(text.contains("could not load a soundfont")) << text.toStdString();
        EXPECT_FALSE(text.contains("other applications"));
        for (const QString& path : CBuiltinSynth::SoundFontCandidates())
            EXPECT_TRUE(text.contains(path)) << path.toStdString();
    }
    EXPECT_EQ(device->GetHandle(), nullptr);
}

TEST_F(MidiDeviceFailures, ASoundFontThatFailsLaterIsToldOnceAfterTheMainWindowShows)
{
    CWinApp app;
    app.m_pMainWnd = new CFrameWnd();
    ASSERT_EQ(device->OpenDevice(), TRUE);
    system.FailLate(MIDIERR_NOSOUNDFONT);
    QCoreApplication::processEvents();
    EXPECT_TRUE(responder.Texts().empty()) << "nothing before the window shows";

    responder.ExpectMessageBox();
    app.m_pMainWnd->show();
    QCoreApplication::processEvents();
    app.m_pMainWnd->hide();
    app.m_pMainWnd->show();
    QCoreApplication::processEvents();
    ASSERT_EQ(responder.Texts().size(), 1u);
    EXPECT_TRUE(responder.Texts()[0].contains("could not load a soundfont")) << responder.Texts()[0].toStdString();
    EXPECT_NE(device->GetHandle(), nullptr) << "the output stays open, silent";
    delete std::exchange(app.m_pMainWnd, nullptr);
}

} // namespace
