// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_dlg.h"

#include "app/voldrim_app.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CDialog(IDD_ABOUTBOX, parent) {}

BOOL CAboutDlg::OnInitDialog()
{
    const CString version = VoldrimApp() ? VoldrimApp()->GetVersionText() : CString();
    SetDlgItemText(IDC_VERSION, version.isEmpty() ? QStringLiteral("Version Error") : version);
    CenterWindow();
    return CDialog::OnInitDialog();
}
