// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/show_me_options_dlg.h"

#include "res/resource.h"

CShowMeOptionsDlg::CShowMeOptionsDlg(QWidget* parent) : CDialog(IDD_SHOWME_OPTIONS, parent) {}

BOOL CShowMeOptionsDlg::OnInitDialog()
{
    CenterWindow();
    return CDialog::OnInitDialog();
}

void CShowMeOptionsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_QUESTIONS_BOTH, m_nQuestionOption);
}
