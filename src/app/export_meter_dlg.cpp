// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/export_meter_dlg.h"

#include "res/resource.h"

#include <QComboBox>

CExportMeterDlg::CExportMeterDlg(QWidget* parent) : CDialog(IDD_EXPORT_METER, parent) {}

Meter CExportMeterDlg::GetMeter() const
{
    const std::vector<Meter>& meters = ExportMeters();
    return m_nMeter >= 0 && std::size_t(m_nMeter) < meters.size() ? meters[std::size_t(m_nMeter)] : Meter();
}

BOOL CExportMeterDlg::OnInitDialog()
{
    if (auto* list = GetDlgItemAs<QComboBox>(IDC_EXPORT_METERS)) {
        for (const Meter& meter : ExportMeters())
            list->addItem(MeterText(meter));
    }
    CenterWindow();
    return CDialog::OnInitDialog();
}

void CExportMeterDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_CBIndex(pDX, IDC_EXPORT_METERS, m_nMeter);
}
