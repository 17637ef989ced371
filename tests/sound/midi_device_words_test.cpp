// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The words the device sends for notes, rests, channels and instruments,
// read back from the recording output system.
#include "sound/midi_device.h"
#include "support/recording_midi_output.h"
#include "support/scripted_responder.h"

#include "support/open_midi_device.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Words = std::vector<DWORD>;

class MidiDeviceWords : public OpenMidiDeviceTest {
protected:
    CScriptedResponder responder; // no box is expected: any one fails the test
};

TEST(MidiDeviceStart, OpensTheDefaultOutputWithChorusedPianoOnChannelOne)
{
    CRecordingMidiOutput system;
    CScriptedResponder responder;
    {
        CMidiDevice device;
        EXPECT_EQ(device.GetHandle(), nullptr) << "construction must not open the output";
        EXPECT_EQ(device.GetDeviceId(), MIDI_MAPPER);
        EXPECT_EQ(device.GetDeviceIndex(), 0);
        EXPECT_EQ(device.GetChannelIndex(), 0);
        EXPECT_EQ(device.GetInstrumentIndex(), 1);
        EXPECT_EQ(device.GetProgram(), 5);
        EXPECT_EQ(system.OpenCount(), 0);

        EXPECT_EQ(device.OpenDevice(), TRUE);
        EXPECT_NE(device.GetHandle(), nullptr);
        EXPECT_EQ(system.Words(MIDI_MAPPER), Words({ 0x007F05C0 }));
    }
    EXPECT_TRUE(system.OpenDevices().empty()) << "the device closes its output when it goes";
    EXPECT_EQ(system.AllWords(), Words({ 0x007F05C0 })) << "nothing is sent on the way out";
}

TEST_F(MidiDeviceWords, StartingANoteStopsThePreviousOne)
{
    EXPECT_EQ(device->PlayNoteOn(60), TRUE);
    EXPECT_EQ(system.AllWords(), Words({ 0x007F3C90 }));
    EXPECT_EQ(device->PlayNoteOn(62), TRUE);
    EXPECT_EQ(system.AllWords(), Words({ 0x007F3C90, 0x007F3C80, 0x007F3E90 }));
    EXPECT_EQ(device->GetSoundingNote(), 62);
}

TEST_F(MidiDeviceWords, ARestOnlyStopsWhatSounds)
{
    device->PlayNoteOn(60);
    system.ClearWords();
    EXPECT_EQ(device->PlayNoteOn(kRestPitch), TRUE);
    EXPECT_EQ(system.AllWords(), Words({ 0x007F3C80 }));
    EXPECT_EQ(device->GetSoundingNote(), 0);

    system.ClearWords();
    EXPECT_EQ(device->PlayNoteOn(kRestPitch), TRUE);
    EXPECT_EQ(device->PlayNoteOff(kRestPitch), TRUE);
    EXPECT_TRUE(system.AllWords().empty());
}

TEST_F(MidiDeviceWords, NoteOffKeepsTheNoteForOneMoreStop)
{
    device->PlayNoteOn(60);
    EXPECT_EQ(device->PlayNoteOff(60), TRUE);
    EXPECT_EQ(device->GetSoundingNote(), 60);
    device->PlayNoteOn(64);
    EXPECT_EQ(system.AllWords(), Words({ 0x007F3C90, 0x007F3C80, 0x007F3C80, 0x007F4090 }));
}

TEST_F(MidiDeviceWords, ChannelSixteenIsTheLowNibbleOfEveryStatus)
{
    device->SetChannel(15);
    EXPECT_TRUE(system.AllWords().empty()) << "changing the channel sends nothing";
    EXPECT_EQ(device->GetProgramChangeWord() & 0xFF, 0xCFu);
    device->PlayNoteOn(kRestPitch);
    EXPECT_TRUE(system.AllWords().empty()) << "a rest sends nothing";
    device->PlayNoteOn(60);
    device->PlayNoteOff(60);
    // The new channel gets its program before its first note, once.
    device->SetChannel(15);
    device->PlayNoteOn(62);
    EXPECT_EQ(system.AllWords(), Words({ 0x007F05CF, 0x007F3C9F, 0x007F3C8F, 0x007F3C8F, 0x007F3E9F }));
}

TEST_F(MidiDeviceWords, NoteNumbersAreCutToOneByte)
{
    device->PlayNoteOn(256 + 60);
    EXPECT_EQ(system.AllWords(), Words({ 0x007F3C90 }));
}

TEST_F(MidiDeviceWords, CelloGoesOutWithTheNextDeviceChange)
{
    device->SetProgram(42);
    device->SetInstrumentIndex(12);
    EXPECT_EQ(device->GetInstrumentIndex(), 12);
    EXPECT_EQ(device->GetProgram(), 42);
    device->UpdateProgramChange();
    EXPECT_EQ(device->GetProgramChangeWord(), 0x007F2AC0u);
    EXPECT_TRUE(system.AllWords().empty()) << "rebuilding the word sends nothing";

    device->ChangeDevice(0);
    EXPECT_EQ(system.Words(0), Words({ 0x007F2AC0 }));
    EXPECT_EQ(system.OpenDevices(), std::vector<int>({ 0 })) << "the old output is closed";
}

TEST_F(MidiDeviceWords, ChangingDeviceRebuildsTheProgramChangeForTheChannel)
{
    device->SetChannel(3);
    device->SetProgram(300); // only its low byte reaches the word
    device->ChangeDevice(1);
    EXPECT_EQ(system.Words(1), Words({ 0x007F2CC3 }));
    EXPECT_EQ(device->GetDeviceId(), 1);
}

TEST_F(MidiDeviceWords, DeviceIndexFollowsTheDeviceId)
{
    device->ChangeDevice(2);
    EXPECT_EQ(device->GetDeviceIndex(), 3);
    EXPECT_EQ(system.OpenDevices(), std::vector<int>({ 2 }));
    device->ChangeDevice(MIDI_MAPPER);
    EXPECT_EQ(device->GetDeviceIndex(), 0);
    EXPECT_EQ(system.OpenDevices(), std::vector<int>({ MIDI_MAPPER }));
    EXPECT_EQ(system.CloseCount(), 2);
}

TEST_F(MidiDeviceWords, NotesGoToTheDeviceNowOpen)
{
    device->PlayNoteOn(60);
    device->ChangeDevice(1);
    device->PlayNoteOn(62);
    // The note left sounding on the old output is stopped on the new one:
    // the device keeps one note, not one per output.
    EXPECT_EQ(system.Words(MIDI_MAPPER), Words({ 0x007F3C90 }));
    EXPECT_EQ(system.Words(1), Words({ 0x007F05C0, 0x007F3C80, 0x007F3E90 }));
}

} // namespace
