// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Import Melody's part list: the parts of a score, or the tracks and
// channels of a MIDI file, by name; the first is chosen to begin with.
#include "framework/dialog.h"

#include <QStringList>

class CImportPartDlg : public CDialog {
public:
    CImportPartDlg(const QStringList& parts, QWidget* parent = nullptr);

    // The part chosen, from 0; read after OK.
    int m_nPart = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    QStringList m_parts;
};
