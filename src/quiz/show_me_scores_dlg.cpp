// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/show_me_scores_dlg.h"

#include "doc/voldrim_doc.h"
#include "res/resource.h"

CShowMeScoresDlg::CShowMeScoresDlg(QWidget* parent) : CDialog(IDD_SHOWME_SCORES, parent)
{
    MapCommand(IDC_RESET_SCORES, [this] { OnReset(); });
}

BOOL CShowMeScoresDlg::OnInitDialog()
{
    ShowScores();
    CenterWindow();
    return CDialog::OnInitDialog();
}

void CShowMeScoresDlg::ShowScores()
{
    SetDlgItemText(IDC_CORRECT_COUNT, CString::asprintf("%i", m_pDoc->m_nCorrect));
    SetDlgItemText(IDC_INCORRECT_COUNT, CString::asprintf("%i", m_pDoc->m_nIncorrect));
}

void CShowMeScoresDlg::OnReset()
{
    // The dialog stays open; Close undoes nothing.
    m_pDoc->m_nCorrect = 0;
    m_pDoc->m_nIncorrect = 0;
    ShowScores();
}
