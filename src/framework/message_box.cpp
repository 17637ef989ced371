// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/message_box.h"

#include "framework/dialog.h"

#include "framework/ui_responder.h"
#include "framework/win_app.h"
#include "framework/resources.h"

#include <QApplication>
#include <QMessageBox>

namespace {
// The parts of a message box's type: its buttons and its icon.
constexpr UINT kButtonMask = 0xF;
constexpr UINT kIconMask = 0xF0;
}

int AfxMessageBox(const CString& text, UINT type)
{
    if (CUiResponder* responder = AfxGetUiResponder())
        return responder->OnMessageBox(text, type);

    QMessageBox box(QApplication::activeWindow());
    AfxApplyDialogColors(&box);
    box.setWindowTitle(AfxGetAppName());
    box.setIcon((type & kIconMask) == MB_ICONQUESTION ? QMessageBox::Question : QMessageBox::Warning);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    if ((type & kButtonMask) == MB_YESNO) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else if ((type & kButtonMask) == MB_YESNOCANCEL) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if ((type & kButtonMask) == MB_OKCANCEL) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return IDOK;
    }
}

int AfxMessageBox(UINT stringId, UINT type)
{
    return AfxMessageBox(AfxLoadString(stringId), type);
}
