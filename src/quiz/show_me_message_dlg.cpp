// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/show_me_message_dlg.h"

#include "res/resource.h"

CShowMeMessageDlg::CShowMeMessageDlg(QWidget* parent) : CDialog(IDD_SHOWME_MESSAGE, parent) {}

BOOL CShowMeMessageDlg::OnInitDialog()
{
    SetDlgItemText(IDC_SHOWME_MESSAGE, m_strMessage);
    // The two faces lie on one spot; only one shows.
    const bool right = m_nMark == MarkRight;
    ShowDlgItem(IDC_RIGHT_FACE, right);
    ShowDlgItem(IDC_WRONG_FACE, !right);
    CenterWindow();
    return CDialog::OnInitDialog();
}
