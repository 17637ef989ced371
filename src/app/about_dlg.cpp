// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_dlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg(const CString& version, QWidget* parent) : CDialog(IDD_ABOUTBOX, parent), m_strVersion(version)
{
}

BOOL CAboutDlg::OnInitDialog()
{
    SetDlgItemText(IDC_VERSION, m_strVersion.isEmpty() ? QStringLiteral("Version Error") : m_strVersion);
    CenterWindow();
    return CDialog::OnInitDialog();
}
