// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: product name, version line and a few words on the program.
#include "framework/dialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
};
