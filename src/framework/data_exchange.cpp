// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/data_exchange.h"

#include "framework/dialog.h"
#include "framework/message_box.h"
#include "framework/misuse.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

namespace {
// The control of an exchange; a dialog without it, or with a control of
// another kind, is a programming error.
template <class Control>
Control* ExchangedControl(CDataExchange* pDX, UINT id)
{
    pDX->PrepareCtrl(id);
    auto* control = pDX->m_pDlgWnd->GetDlgItemAs<Control>(id);
    if (!control) {
        AfxReportMisuse(QStringLiteral("Dialog %1 exchanges data with control %2, which it has not or not of that kind")
                            .arg(pDX->m_pDlgWnd->TemplateId())
                            .arg(id));
    }
    return control;
}

// The typing limit of an edit box: the box takes no more than the limit,
// but a longer text put in by the program (a title read from a file) is
// not cut and may only be shortened.
constexpr char kTypingLimit[] = "typingLimit";

void FitTypingLimit(QLineEdit* edit)
{
    edit->setMaxLength(std::max(edit->property(kTypingLimit).toInt(), int(edit->text().length())));
}

void LimitTyping(QLineEdit* edit, int maxChars)
{
    const bool first = !edit->property(kTypingLimit).isValid();
    edit->setProperty(kTypingLimit, maxChars);
    if (first)
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { FitTypingLimit(edit); });
    FitTypingLimit(edit);
}
}

void CDataExchange::Fail()
{
    m_failed = true;
    if (QWidget* w = m_pDlgWnd->GetDlgItem(m_lastControl))
        w->setFocus();
}

void DDX_Text(CDataExchange* pDX, UINT id, CString& value)
{
    if (pDX->Failed() || !ExchangedControl<QWidget>(pDX, id))
        return;
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pDlgWnd->GetDlgItemText(id);
    else
        pDX->m_pDlgWnd->SetDlgItemText(id, value);
}

void DDX_Text(CDataExchange* pDX, UINT id, int& value)
{
    if (pDX->Failed() || !ExchangedControl<QWidget>(pDX, id))
        return;
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlgWnd->SetDlgItemText(id, QString::number(value));
        return;
    }
    bool ok = false;
    const int parsed = pDX->m_pDlgWnd->GetDlgItemText(id).trimmed().toInt(&ok);
    if (!ok) {
        AfxMessageBox(QStringLiteral("Please enter an integer."));
        pDX->Fail();
        return;
    }
    value = parsed;
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars)
{
    // The edit box takes no more while typing; the text is checked again
    // when the dialog closes, and a longer one keeps the dialog open with
    // the framework's message.
    if (pDX->Failed())
        return;
    if (!pDX->m_bSaveAndValidate) {
        if (auto* edit = pDX->m_pDlgWnd->GetDlgItemAs<QLineEdit>(pDX->LastControl()))
            LimitTyping(edit, maxChars);
        return;
    }
    if (value.length() > maxChars) {
        AfxMessageBox(QStringLiteral("Please enter no more than %1 characters.").arg(maxChars));
        pDX->Fail();
    }
}

void DDX_Check(CDataExchange* pDX, UINT id, int& value)
{
    if (pDX->Failed())
        return;
    auto* box = ExchangedControl<QAbstractButton>(pDX, id);
    if (!box)
        return;
    if (pDX->m_bSaveAndValidate)
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value != 0);
}

void DDX_Radio(CDataExchange* pDX, UINT id, int& value)
{
    if (pDX->Failed())
        return;
    auto* first = ExchangedControl<QRadioButton>(pDX, id);
    if (!first || !first->group())
        return;
    const QList<QAbstractButton*> buttons = first->group()->buttons();
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (int i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked())
                value = i;
        }
    } else {
        for (int i = 0; i < buttons.size(); ++i)
            buttons[i]->setChecked(i == value);
    }
}

void DDX_LBIndex(CDataExchange* pDX, UINT id, int& index)
{
    if (pDX->Failed())
        return;
    auto* list = ExchangedControl<QListWidget>(pDX, id);
    if (!list)
        return;
    if (pDX->m_bSaveAndValidate)
        index = list->currentRow();
    else
        list->setCurrentRow(index);
}

void DDX_CBIndex(CDataExchange* pDX, UINT id, int& index)
{
    if (pDX->Failed())
        return;
    auto* combo = ExchangedControl<QComboBox>(pDX, id);
    if (!combo)
        return;
    if (pDX->m_bSaveAndValidate)
        index = combo->currentIndex();
    else
        combo->setCurrentIndex(index);
}

void DDX_Scroll(CDataExchange* pDX, UINT id, int& value)
{
    if (pDX->Failed())
        return;
    auto* bar = ExchangedControl<QScrollBar>(pDX, id);
    if (!bar)
        return;
    if (pDX->m_bSaveAndValidate)
        value = bar->value();
    else
        bar->setValue(value);
}
