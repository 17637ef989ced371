// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/import_part_dlg.h"

#include "res/resource.h"

#include <QListWidget>

CImportPartDlg::CImportPartDlg(const QStringList& parts, QWidget* parent)
    : CDialog(IDD_IMPORT_PART, parent), m_parts(parts)
{
}

BOOL CImportPartDlg::OnInitDialog()
{
    if (auto* list = GetDlgItemAs<QListWidget>(IDC_IMPORT_PARTS))
        list->addItems(m_parts);
    CenterWindow();
    return CDialog::OnInitDialog();
}

void CImportPartDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_LBIndex(pDX, IDC_IMPORT_PARTS, m_nPart);
}
