// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Set Tempo dialog: twenty tempo steps on a vertical bar, fastest at
// the top, with the step's name, its beats per minute and a swinging
// metronome. The document sets m_nTempo before and reads it after.
#include "framework/dialog.h"

class CTempoDlg : public CDialog {
public:
    explicit CTempoDlg(QWidget* parent = nullptr);

    // Beats per minute of a step as shown ("100"). A step past the slowest
    // is reported and taken as the slowest.
    CString GetSpeed(int position);

    // Beat length in milliseconds: follows every move of the bar, so the
    // tempo last shown is what the document takes back, OK or Cancel.
    int m_nTempo = 600;
    CString m_strTempoName;
    // 1 while the picture with the pendulum to the right is shown.
    int m_bPendulumRight = 1;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnVScroll(UINT code, UINT pos, QScrollBar* bar) override;
    void OnTimer(UINT_PTR id) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScrollBar* TempoBar() const;
    void ShowName();
};
