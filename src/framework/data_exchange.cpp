#include "framework/data_exchange.h"

#include "framework/dialog.h"
#include "framework/message_box.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

void CDataExchange::Fail()
{
    m_failed = true;
    if (QWidget* w = m_pDlgWnd->GetDlgItem(m_lastControl))
        w->setFocus();
}

void DDX_Text(CDataExchange* pDX, UINT id, CString& value)
{
    if (pDX->Failed())
        return;
    pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pDlgWnd->GetDlgItemText(id);
    else
        pDX->m_pDlgWnd->SetDlgItemText(id, value);
}

void DDX_Text(CDataExchange* pDX, UINT id, int& value)
{
    if (pDX->Failed())
        return;
    pDX->PrepareCtrl(id);
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
    // The text is checked when the dialog closes; a longer text keeps the
    // dialog open with the framework's message.
    if (pDX->Failed() || !pDX->m_bSaveAndValidate)
        return;
    if (value.length() > maxChars) {
        AfxMessageBox(QStringLiteral("Please enter no more than %1 characters.").arg(maxChars));
        pDX->Fail();
    }
}

void DDX_Check(CDataExchange* pDX, UINT id, int& value)
{
    if (pDX->Failed())
        return;
    pDX->PrepareCtrl(id);
    auto* box = pDX->m_pDlgWnd->GetDlgItemAs<QAbstractButton>(id);
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
    pDX->PrepareCtrl(id);
    auto* first = pDX->m_pDlgWnd->GetDlgItemAs<QRadioButton>(id);
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
    pDX->PrepareCtrl(id);
    auto* list = pDX->m_pDlgWnd->GetDlgItemAs<QListWidget>(id);
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
    pDX->PrepareCtrl(id);
    auto* combo = pDX->m_pDlgWnd->GetDlgItemAs<QComboBox>(id);
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
    pDX->PrepareCtrl(id);
    auto* bar = pDX->m_pDlgWnd->GetDlgItemAs<QScrollBar>(id);
    if (!bar)
        return;
    if (pDX->m_bSaveAndValidate)
        value = bar->value();
    else
        bar->setValue(value);
}
