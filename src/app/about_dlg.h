// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: product name, version line and a few words on the program.
#include "framework/dialog.h"

class CAboutDlg : public CDialog {
public:
    // The version line shows the version text, "Version Error" when empty.
    explicit CAboutDlg(const CString& version, QWidget* parent = nullptr);

protected:
    BOOL OnInitDialog() override;

private:
    CString m_strVersion;
};
