// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI Options dialog driven as a user drives it, with the words that
// reach the recording output system.
#include "res/resource.h"
#include "sound/midi_device.h"
#include "sound/dialogs/midi_dlg.h"
#include "support/recording_midi_output.h"
#include "support/scripted_responder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <functional>
#include <map>
#include "support/open_midi_device.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using Words = std::vector<DWORD>;

QComboBox* Combo(CMidiDlg& dialog, UINT id)
{
    return dialog.GetDlgItemAs<QComboBox>(id);
}

QStringList Entries(CMidiDlg& dialog, UINT id)
{
    QStringList texts;
    QComboBox* combo = Combo(dialog, id);
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

class MidiDialog : public OpenMidiDeviceTest {
protected:
    // Runs the dialog on the device; drive acts while it is up and ends it.
    int Run(CMidiDlg& dialog, const std::function<void(CMidiDlg&)>& drive)
    {
        dialog.m_pMidiDevice = device.get();
        responder.ExpectDialog([&](CDialog& shown) {
            drive(static_cast<CMidiDlg&>(shown));
            return IDCANCEL;
        });
        return dialog.DoModal();
    }

    CScriptedResponder responder; // any message box not expected fails the test
};

TEST_F(MidiDialog, FirstRunShowsTheMapperChannelOneAndChorusedPiano)
{
    CMidiDlg dialog;
    dialog.m_bUseMidi = 1;
    Run(dialog, [](CMidiDlg& d) {
        EXPECT_EQ(Entries(d, IDC_MIDI_DEVICE), QStringList({"MIDI Mapper", "Synth", "Port A", "Port B"}));
        QComboBox* devices = Combo(d, IDC_MIDI_DEVICE);
        for (int position = 0; position < devices->count(); ++position)
            EXPECT_EQ(devices->itemData(position).toInt(), position - 1);
        EXPECT_EQ(devices->currentIndex(), 0);

        const QStringList channels = Entries(d, IDC_MIDI_CHANNEL);
        ASSERT_EQ(channels.size(), 16);
        EXPECT_EQ(channels.first(), "01");
        EXPECT_EQ(channels[9], "10");
        EXPECT_EQ(channels.last(), "16");
        EXPECT_EQ(Combo(d, IDC_MIDI_CHANNEL)->currentText(), "01");

        EXPECT_EQ(Entries(d, IDC_MIDI_INSTRUMENT),
                  QStringList({"Accoustic Piano", "Chorused Piano", "Vibraphone", "Dulcimer", "Rock Organ",
                               "Church Organ", "Violin", "Cello", "Choir Aahs", "Trumpet", "Trombone",
                               "French Horn", "Tenor Sax", "Oboe", "Whistle", "Ocarina", "Banjo", "Bagpipe"}));
        const int programs[] = {1, 5, 11, 15, 18, 19, 40, 42, 52, 56, 57, 60, 66, 68, 78, 79, 105, 109};
        QComboBox* instruments = Combo(d, IDC_MIDI_INSTRUMENT);
        for (int position = 0; position < 18; ++position)
            EXPECT_EQ(instruments->itemData(position).toInt(), programs[position]) << position;
        EXPECT_EQ(instruments->currentText(), "Chorused Piano");

        EXPECT_TRUE(d.GetDlgItemAs<QCheckBox>(IDC_USE_MIDI)->isChecked());
        d.ClickButton(IDOK);
    });
    EXPECT_TRUE(system.AllWords().empty()) << "opening and closing the dialog sends nothing";
}

TEST_F(MidiDialog, EachLabelLeadsToItsListAndClosedListsLeaveTheNextLabelFree)
{
    CMidiDlg dialog;
    Run(dialog, [](CMidiDlg& d) {
        const std::pair<const char*, UINT> labels[] = {
            {"&MIDI Device", IDC_MIDI_DEVICE}, {"&Channel", IDC_MIDI_CHANNEL}, {"&Instrument", IDC_MIDI_INSTRUMENT}};
        std::map<QString, QLabel*> byText;
        for (QLabel* label : d.findChildren<QLabel*>())
            byText[label->text()] = label;
        for (const auto& [text, id] : labels) {
            ASSERT_TRUE(byText.count(text)) << text;
            EXPECT_EQ(byText[text]->buddy(), d.GetDlgItem(id)) << text;
        }
        EXPECT_LT(d.GetDlgItem(IDC_MIDI_DEVICE)->geometry().bottom(), byText["&Channel"]->geometry().top());
        EXPECT_LT(d.GetDlgItem(IDC_MIDI_CHANNEL)->geometry().bottom(), byText["&Instrument"]->geometry().top());
        d.ClickButton(IDCANCEL);
    });
}

TEST_F(MidiDialog, ListsShowTheChoicesTheDeviceAlreadyHas)
{
    device->SetChannelIndex(4);
    device->SetInstrumentIndex(7);
    device->SetDeviceIndex(3);
    CMidiDlg dialog;
    Run(dialog, [](CMidiDlg& d) {
        EXPECT_EQ(Combo(d, IDC_MIDI_CHANNEL)->currentText(), "05");
        EXPECT_EQ(Combo(d, IDC_MIDI_INSTRUMENT)->currentText(), "Cello");
        EXPECT_EQ(Combo(d, IDC_MIDI_DEVICE)->currentText(), "Port B");
        d.ClickButton(IDCANCEL);
    });
}

TEST_F(MidiDialog, ChoosingAnInstrumentSendsItsProgramAtOnceAndKeepsItAfterCancel)
{
    CMidiDlg dialog;
    Run(dialog, [this](CMidiDlg& d) {
        d.SelectListEntry(IDC_MIDI_INSTRUMENT, 7);
        EXPECT_EQ(system.AllWords(), Words({0x007F2AC0}));
        d.SelectListEntry(IDC_MIDI_INSTRUMENT, 0);
        EXPECT_EQ(system.AllWords().back(), 0x007F01C0u) << "the piano sends program 1";
        d.SelectListEntry(IDC_MIDI_INSTRUMENT, 7);
        d.ClickButton(IDCANCEL);
    });
    EXPECT_EQ(device->GetProgram(), 42);
    EXPECT_EQ(device->GetInstrumentIndex(), 7);
}

TEST_F(MidiDialog, AChannelChoiceSendsNothingAndItsFirstNoteBringsTheInstrument)
{
    CMidiDlg dialog;
    Run(dialog, [this](CMidiDlg& d) {
        d.SelectListEntry(IDC_MIDI_INSTRUMENT, 7);
        system.ClearWords();
        // Channel 10 would play drums without the program change.
        d.SelectListEntry(IDC_MIDI_CHANNEL, 9);
        d.SelectListEntry(IDC_MIDI_CHANNEL, 15);
        EXPECT_EQ(Combo(d, IDC_MIDI_CHANNEL)->currentText(), "16");
        d.ClickButton(IDOK);
    });
    EXPECT_TRUE(system.AllWords().empty());
    EXPECT_EQ(device->GetChannelIndex(), 15);
    device->PlayNoteOn(60);
    EXPECT_EQ(system.AllWords(), Words({0x007F2ACF, 0x007F3C9F})) << "Cello, then middle C, on channel 16";
}

TEST_F(MidiDialog, ChoosingTheThirdEntryReopensDeviceOne)
{
    CMidiDlg dialog;
    Run(dialog, [](CMidiDlg& d) {
        d.SelectListEntry(IDC_MIDI_DEVICE, 2);
        d.ClickButton(IDOK);
    });
    EXPECT_EQ(system.OpenDevices(), std::vector<int>({1}));
    EXPECT_EQ(device->GetDeviceId(), 1);
    EXPECT_EQ(device->GetDeviceIndex(), 2);
    EXPECT_EQ(system.Words(1), Words({0x007F05C0}));
}

TEST_F(MidiDialog, TestTwiceSoundsOneNoteThatStopsWithTheTimer)
{
    CMidiDlg dialog;
    Run(dialog, [this](CMidiDlg& d) {
        d.ClickButton(IDC_MIDI_TEST);
        d.ClickButton(IDC_MIDI_TEST);
        EXPECT_EQ(system.AllWords(), Words({0x007F3C90}));
        EXPECT_EQ(d.m_bTestPlaying, 1);
        EXPECT_EQ(d.Timers().IntervalOf(1), 1800);

        d.Timers().Fire(1);
        EXPECT_EQ(system.AllWords(), Words({0x007F3C90, 0x007F3C80}));
        EXPECT_EQ(d.m_bTestPlaying, 0);
        EXPECT_FALSE(d.Timers().IsRunning(1));
        EXPECT_EQ(d.focusWidget(), d.GetDlgItem(IDOK));

        // Once it has ended the next test sounds again.
        d.ClickButton(IDC_MIDI_TEST);
        EXPECT_EQ(d.m_bTestPlaying, 1);
        d.ClickButton(IDOK);
    });
    EXPECT_EQ(dialog.m_bTestPlaying, 1) << "the document ends a note still sounding";
}

TEST_F(MidiDialog, TheTestNoteEndsByItselfWhileTheDialogIsUp)
{
    CMidiDlg dialog;
    Run(dialog, [this](CMidiDlg& d) {
        d.ClickButton(IDC_MIDI_TEST);
        EXPECT_EQ(system.AllWords(), Words({0x007F3C90}));
        QTRY_VERIFY_WITH_TIMEOUT(d.m_bTestPlaying == 0, 10000);
        EXPECT_EQ(system.AllWords(), Words({0x007F3C90, 0x007F3C80}));
        d.ClickButton(IDCANCEL);
    });
}

TEST_F(MidiDialog, ChangingChannelOrDeviceDuringTheTestEndsTheNoteWhereItSounds)
{
    CMidiDlg dialog;
    Run(dialog, [this](CMidiDlg& d) {
        d.ClickButton(IDC_MIDI_TEST);
        d.SelectListEntry(IDC_MIDI_CHANNEL, 2);
        EXPECT_EQ(system.AllWords(), Words({0x007F3C90, 0x007F3C80}));
        EXPECT_EQ(d.m_bTestPlaying, 0);
        EXPECT_FALSE(d.Timers().IsRunning(1));

        system.ClearWords();
        d.ClickButton(IDC_MIDI_TEST);
        d.SelectListEntry(IDC_MIDI_DEVICE, 1);
        // Started on channel 3 of the default output, after its program
        // change, and stopped there too.
        EXPECT_EQ(system.Words(MIDI_MAPPER), Words({0x007F3C82, 0x007F05C2, 0x007F3C92, 0x007F3C82}));
        EXPECT_EQ(d.m_bTestPlaying, 0);
        d.ClickButton(IDCANCEL);
    });
}

TEST_F(MidiDialog, TestWithoutAnOpenOutputSaysTheDeviceIsNotResponding)
{
    system.FailOpen(MMSYSERR_ALLOCATED);
    responder.ExpectMessageBox();
    responder.ExpectMessageBox();
    CMidiDlg dialog;
    Run(dialog, [](CMidiDlg& d) {
        d.SelectListEntry(IDC_MIDI_DEVICE, 1);
        d.ClickButton(IDC_MIDI_TEST);
        EXPECT_EQ(d.m_bTestPlaying, 0);
        d.ClickButton(IDOK);
    });
    ASSERT_EQ(responder.Texts().size(), 2u);
    EXPECT_EQ(responder.Texts()[0], "Attempt to open MIDI device was unsuccessful!");
    EXPECT_EQ(responder.Texts()[1], "The MIDI device is not responding. ");
    EXPECT_TRUE(system.AllWords().empty());
}

TEST_F(MidiDialog, AFailedProgramChangeIsReportedAndTheProgramStaysStored)
{
    system.FailSend(MMSYSERR_ERROR);
    responder.ExpectMessageBox();
    CMidiDlg dialog;
    Run(dialog, [](CMidiDlg& d) {
        d.SelectListEntry(IDC_MIDI_INSTRUMENT, 17);
        d.ClickButton(IDOK);
    });
    ASSERT_EQ(responder.Texts().size(), 1u);
    EXPECT_EQ(responder.Texts()[0], "Program change failed!?!");
    EXPECT_EQ(device->GetProgram(), 109);
}

TEST_F(MidiDialog, WithoutDevicesTheDialogStillOpensAndOkStillWorks)
{
    system.SetDevices({});
    responder.ExpectMessageBox();
    CMidiDlg dialog;
    dialog.m_bUseMidi = 1;
    const int result = Run(dialog, [](CMidiDlg& d) {
        EXPECT_EQ(Entries(d, IDC_MIDI_DEVICE), QStringList({"MIDI Mapper"}));
        EXPECT_EQ(Combo(d, IDC_MIDI_INSTRUMENT)->count(), 0);
        EXPECT_EQ(Combo(d, IDC_MIDI_CHANNEL)->count(), 16);
        d.ClickButton(IDC_USE_MIDI);
        d.ClickButton(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_bUseMidi, 0);
    ASSERT_EQ(responder.Texts().size(), 1u);
    EXPECT_EQ(responder.Texts()[0], "Unable to initialize devices.");
}

TEST_F(MidiDialog, UseMidiIsReadByOkAndLeftAloneByCancel)
{
    CMidiDlg cancelled;
    cancelled.m_bUseMidi = 1;
    Run(cancelled, [](CMidiDlg& d) {
        d.ClickButton(IDC_USE_MIDI);
        EXPECT_FALSE(d.GetDlgItemAs<QCheckBox>(IDC_USE_MIDI)->isChecked());
        d.ClickButton(IDCANCEL);
    });
    EXPECT_EQ(cancelled.m_bUseMidi, 1);

    CMidiDlg confirmed;
    confirmed.m_bUseMidi = 0;
    Run(confirmed, [](CMidiDlg& d) {
        EXPECT_FALSE(d.GetDlgItemAs<QCheckBox>(IDC_USE_MIDI)->isChecked());
        d.ClickButton(IDC_USE_MIDI);
        d.ClickButton(IDOK);
    });
    EXPECT_EQ(confirmed.m_bUseMidi, 1);
}

}
