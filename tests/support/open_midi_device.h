// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A MIDI device opened on the recording output system, with three devices
// listed and the words of opening already cleared.
#include "sound/midi_device.h"
#include "support/recording_midi_output.h"

#include <gtest/gtest.h>
#include <memory>

class OpenMidiDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        system.SetDevices({"Synth", "Port A", "Port B"});
        device = std::make_unique<CMidiDevice>();
        ASSERT_EQ(device->OpenDevice(), TRUE);
        system.ClearWords();
    }
    void TearDown() override { device.reset(); }

    CRecordingMidiOutput system;
    std::unique_ptr<CMidiDevice> device;
};
