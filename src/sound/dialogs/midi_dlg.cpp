// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/dialogs/midi_dlg.h"

#include "framework/message_box.h"
#include "res/resource.h"
#include "sound/midi_device.h"
#include "sound/midi_output_system.h"

#include <QComboBox>
#include <QPushButton>

namespace {

constexpr UINT_PTR kTestNoteTimer = 1;
constexpr UINT kTestNoteMs = 1800;
constexpr int kChannels = 16;

struct Instrument {
    const char* name;
    int program; // General MIDI program, 0-based, as sent
};

// The instruments offered, with the programs they have always sent (the
// piano sends 1, not 0). Names are shown as they have always been spelt.
const Instrument kInstruments[] = {
    {"Accoustic Piano", 1}, {"Chorused Piano", 5}, {"Vibraphone", 11}, {"Dulcimer", 15},
    {"Rock Organ", 18},     {"Church Organ", 19},  {"Violin", 40},     {"Cello", 42},
    {"Choir Aahs", 52},     {"Trumpet", 56},       {"Trombone", 57},   {"French Horn", 60},
    {"Tenor Sax", 66},      {"Oboe", 68},          {"Whistle", 78},    {"Ocarina", 79},
    {"Banjo", 105},         {"Bagpipe", 109},
};

}

CMidiDlg::CMidiDlg(QWidget* parent) : CDialog(IDD_MIDI, parent)
{
    MapCommand(IDC_MIDI_TEST, [this] { OnTest(); });
    MapNotify(IDC_MIDI_CHANNEL, CBN_SELCHANGE, [this] { OnChannelChanged(); });
    MapNotify(IDC_MIDI_DEVICE, CBN_SELCHANGE, [this] { OnDeviceChanged(); });
    MapNotify(IDC_MIDI_INSTRUMENT, CBN_SELCHANGE, [this] { OnInstrumentChanged(); });
}

QComboBox* CMidiDlg::Combo(UINT id) const
{
    return GetDlgItemAs<QComboBox>(id);
}

void CMidiDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_USE_MIDI, m_bUseMidi);
}

BOOL CMidiDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    m_bTestPlaying = 0;

    QComboBox* channels = Combo(IDC_MIDI_CHANNEL);
    for (int channel = 1; channel <= kChannels; ++channel)
        channels->addItem(QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0')));

    QComboBox* devices = Combo(IDC_MIDI_DEVICE);
    devices->addItem(QStringLiteral("MIDI Mapper"), MIDI_MAPPER);

    const UINT count = midiOutGetNumDevs();
    if (count == 0) {
        AfxMessageBox(QStringLiteral("Unable to initialize devices."));
        // Nothing is chosen: there is no device to stand for.
        devices->setCurrentIndex(-1);
        channels->setCurrentIndex(-1);
        return TRUE;
    }
    FillDevices(count);
    if (m_pMidiDevice)
        devices->setCurrentIndex(m_pMidiDevice->GetDeviceIndex());

    FillInstruments();
    if (m_pMidiDevice) {
        Combo(IDC_MIDI_INSTRUMENT)->setCurrentIndex(m_pMidiDevice->GetInstrumentIndex());
        channels->setCurrentIndex(m_pMidiDevice->GetChannelIndex());
    }
    return TRUE;
}

void CMidiDlg::FillDevices(UINT count)
{
    QComboBox* devices = Combo(IDC_MIDI_DEVICE);
    CMidiOutputSystem& system = AfxGetMidiOutputSystem();
    for (UINT id = 0; id < count; ++id) {
        CString name = system.GetProductName(int(id));
        // A port that vanished since it was counted still keeps its place,
        // so positions go on standing for device ids.
        if (name.isEmpty())
            name = QStringLiteral("MIDI output %1").arg(id);
        devices->addItem(name, int(id));
    }
}

void CMidiDlg::FillInstruments()
{
    QComboBox* instruments = Combo(IDC_MIDI_INSTRUMENT);
    for (const Instrument& instrument : kInstruments)
        instruments->addItem(QString::fromLatin1(instrument.name), instrument.program);
}

void CMidiDlg::EndTestNote()
{
    if (!m_bTestPlaying)
        return;
    if (m_pMidiDevice)
        m_pMidiDevice->PlayNoteOff(kTestNote);
    KillTimer(kTestNoteTimer);
    m_bTestPlaying = 0;
}

void CMidiDlg::OnChannelChanged()
{
    const int position = Combo(IDC_MIDI_CHANNEL)->currentIndex();
    if (!m_pMidiDevice || position < 0)
        return;
    // The note-off must go out on the channel the test note started on.
    EndTestNote();
    m_pMidiDevice->SetChannelIndex(position);
    m_pMidiDevice->SetChannel(position);
}

void CMidiDlg::OnDeviceChanged()
{
    const int position = Combo(IDC_MIDI_DEVICE)->currentIndex();
    if (!m_pMidiDevice || position < 0)
        return;
    // An external synthesizer would keep the test note sounding after its
    // port is closed.
    EndTestNote();
    m_pMidiDevice->SetDeviceIndex(position);
    m_pMidiDevice->ChangeDevice(position - 1);
}

void CMidiDlg::OnInstrumentChanged()
{
    QComboBox* instruments = Combo(IDC_MIDI_INSTRUMENT);
    const int position = instruments->currentIndex();
    if (!m_pMidiDevice || position < 0)
        return;
    m_pMidiDevice->SetInstrumentIndex(position);
    m_pMidiDevice->SetProgram(instruments->itemData(position).toInt());
    if (m_pMidiDevice->GetHandle() && m_pMidiDevice->SendProgramChange() != MMSYSERR_NOERROR)
        AfxMessageBox(QStringLiteral("Program change failed!?!"));
}

void CMidiDlg::OnTest()
{
    if (m_bTestPlaying == 1 || !m_pMidiDevice)
        return;
    // The test sounds whenever an output is open, whatever the check box says.
    if (m_pMidiDevice->PlayNoteOn(kTestNote)) {
        SetTimer(kTestNoteTimer, kTestNoteMs);
        m_bTestPlaying = 1;
    } else {
        AfxMessageBox(IDS_MIDI_NOT_RESPONDING);
    }
}

void CMidiDlg::OnTimer(UINT_PTR id)
{
    if (m_pMidiDevice)
        m_pMidiDevice->PlayNoteOff(kTestNote);
    KillTimer(id);
    m_bTestPlaying = 0;
    if (QWidget* ok = GetDlgItem(IDOK))
        ok->setFocus(Qt::OtherFocusReason);
}
