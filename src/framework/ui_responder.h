// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A responder answers message boxes and modal dialogs in place of a user.
// Tests install one to script the answers and read every text shown; with
// none installed the real modal windows run.
#include "framework/service.h"
#include "framework/types.h"

class CDialog;

class CUiResponder {
public:
    virtual ~CUiResponder() = default;
    // Returns the button chosen: IDOK, IDCANCEL, IDYES or IDNO.
    virtual int OnMessageBox(const CString& text, UINT type) = 0;
    // Called once the dialog is built and initialised and shown (not modal);
    // drives its controls and returns the result DoModal is to give. It may
    // end the dialog itself with EndDialog.
    virtual int OnDialog(CDialog& dialog) = 0;
};

// The responder installed, or null.
inline CUiResponder* AfxGetUiResponder() { return CService<CUiResponder>::Get(); }
