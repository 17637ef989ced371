// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/staff/title_dlg.h"

#include "res/resource.h"

namespace {
// The longest title or composer the dialog takes.
constexpr int kMaxChars = 30;
}

CTitleDlg::CTitleDlg(QWidget* parent) : CDialog(IDD_TITLE, parent) {}

void CTitleDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TITLE_EDIT, m_strTitle);
    DDV_MaxChars(pDX, m_strTitle, kMaxChars);
    DDX_Text(pDX, IDC_COMPOSER_EDIT, m_strComposer);
    DDV_MaxChars(pDX, m_strComposer, kMaxChars);
}
