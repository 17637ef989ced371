// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Title Your Composition: the title and the composer of the melody, each
// up to 30 characters.
#include "framework/dialog.h"

class CTitleDlg : public CDialog {
public:
    explicit CTitleDlg(QWidget* parent = nullptr);

    CString m_strTitle;
    CString m_strComposer;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
