// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Data exchange between a dialog's controls and its variables, with the
// validation that keeps a dialog open on bad input. Exchanging with a
// control the dialog lacks is reported as a programming error.
#include "framework/types.h"

class CDialog;

// Data exchange between a dialog's controls and variables.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    // Validation failed: the message has been shown; focus goes to the control.
    void Fail();
    bool Failed() const { return m_failed; }
    void PrepareCtrl(UINT id) { m_lastControl = id; }
    UINT LastControl() const { return m_lastControl; }

    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;

private:
    bool m_failed = false;
    UINT m_lastControl = 0;
};

void DDX_Text(CDataExchange* pDX, UINT id, CString& value);
void DDX_Text(CDataExchange* pDX, UINT id, int& value);
// Limits what can be typed into the last exchanged edit box when the
// dialog opens, and refuses a longer text when it closes.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);
void DDX_Check(CDataExchange* pDX, UINT id, int& value);
// The index of the checked button in the group that starts at id.
void DDX_Radio(CDataExchange* pDX, UINT id, int& value);
void DDX_LBIndex(CDataExchange* pDX, UINT id, int& index);
void DDX_CBIndex(CDataExchange* pDX, UINT id, int& index);
void DDX_Scroll(CDataExchange* pDX, UINT id, int& value);
