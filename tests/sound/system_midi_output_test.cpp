// The machine's own MIDI outputs: the device list must hold together on
// any machine, with or without a sequencer or a sound card.
#include "sound/alsa_midi_ports.h"
#include "sound/builtin_synth.h"
#include "support/recording_midi_output.h"
#include "sound/system_midi_output.h"

#include <QFileInfo>
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

} // namespace
