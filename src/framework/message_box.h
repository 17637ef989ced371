// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes in the program's one style: caption the application title, an
// exclamation icon (a question mark where the box asks Yes, No or Cancel),
// OK, OK/Cancel, Yes/No or Yes/No/Cancel, plain text only. Tests answer them
// through a UI responder (framework/ui_responder.h).
#include "framework/types.h"

enum MessageBoxType : UINT {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
};
enum DialogResult : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Shows the text and returns IDOK, IDCANCEL, IDYES or IDNO.
int AfxMessageBox(const CString& text, UINT type = MB_OK | MB_ICONEXCLAMATION);
// Shows string-table entry id.
int AfxMessageBox(UINT stringId, UINT type = MB_OK | MB_ICONEXCLAMATION);
