#include "framework/message_box.h"

#include "framework/dialog.h"

#include "framework/ui_responder.h"
#include "framework/win_app.h"
#include "framework/resources.h"

#include <QApplication>
#include <QMessageBox>

int AfxMessageBox(const CString& text, UINT type)
{
    if (CUiResponder* responder = AfxGetUiResponder())
        return responder->OnMessageBox(text, type);

    QMessageBox box(QApplication::activeWindow());
    AfxApplyDialogColors(&box);
    box.setWindowTitle(AfxGetAppName());
    box.setIcon(QMessageBox::Warning);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    if ((type & 0xF) == MB_YESNO) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else if ((type & 0xF) == MB_OKCANCEL) {
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
