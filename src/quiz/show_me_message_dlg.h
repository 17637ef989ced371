// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Show Me Message!: tells the student whether the answer was right, with
// a smiling or an unhappy face, and asks whether to go on: Yes is IDOK,
// No (or Escape, or the close box) IDCANCEL.
#include "framework/dialog.h"

class CShowMeMessageDlg : public CDialog {
public:
    // Any mark but the right one shows the unhappy face.
    enum Mark : int { MarkWrong = 0, MarkRight = 1 };

    explicit CShowMeMessageDlg(QWidget* parent = nullptr);

    int m_nMark = MarkWrong;
    CString m_strMessage;

protected:
    BOOL OnInitDialog() override;
};
