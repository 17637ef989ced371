// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Show Me Options: which questions are asked, by the index of the radio
// button chosen.
#include "framework/dialog.h"

class CShowMeOptionsDlg : public CDialog {
public:
    // The radio buttons, in their order; none is chosen at first.
    enum Option : int { NoOption = -1, OptionBoth = 0, OptionStaff = 1, OptionFingerboard = 2 };

    explicit CShowMeOptionsDlg(QWidget* parent = nullptr);

    int m_nQuestionOption = NoOption;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};
