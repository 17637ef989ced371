// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Export Melody's time signature for a MusicXML or MIDI file: none, the
// default, or one of 2/4, 3/4, 4/4 and 6/8.
#include "export/meter.h"
#include "framework/dialog.h"

class CExportMeterDlg : public CDialog {
public:
    explicit CExportMeterDlg(QWidget* parent = nullptr);

    // The meter chosen; read after OK.
    Meter GetMeter() const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // In the order of ExportMeters(), none first.
    int m_nMeter = 0;
};
