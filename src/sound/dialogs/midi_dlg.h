// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The MIDI Options dialog: note sounds on or off, the output device, the
// channel, the instrument and a test note. Device, channel and instrument
// go to the document's MIDI device as soon as they are picked; only the
// Use MIDI switch waits for OK.
#include "framework/dialog.h"

class CMidiDevice;
class QComboBox;

class CMidiDlg : public CDialog {
public:
    // The test note, middle C.
    static constexpr int kTestNote = 60;

    explicit CMidiDlg(QWidget* parent = nullptr);

    // The document's device, not owned; set before the dialog runs.
    CMidiDevice* m_pMidiDevice = nullptr;
    // 1 while the test note sounds; the document ends it if the dialog
    // closes first.
    int m_bTestPlaying = 0;
    // The Use MIDI check box: set before, read after the dialog runs.
    int m_bUseMidi = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTimer(UINT_PTR id) override;

private:
    QComboBox* Combo(UINT id) const;
    void FillDevices(UINT count);
    void FillInstruments();
    void OnTest();
    void OnChannelChanged();
    void OnDeviceChanged();
    void OnInstrumentChanged();
    // Stops the test note before its timer does.
    void EndTestNote();
};
