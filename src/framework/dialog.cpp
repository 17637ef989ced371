// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/dialog.h"
#include "framework/resources.h"

#include "framework/message_box.h"
#include "framework/misuse.h"
#include "framework/ui_responder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>

#include <algorithm>

namespace {
COLORREF g_dialogBackground = RGB(192, 192, 192);
COLORREF g_dialogText = RGB(0, 0, 0);

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// A text put in by the program is never cut to the typing limit.
void SetEditText(QLineEdit* edit, const CString& text)
{
    edit->setMaxLength(std::max(edit->maxLength(), int(text.length())));
    edit->setText(text);
}
}

void SetDialogBkColor(COLORREF background, COLORREF text)
{
    g_dialogBackground = background;
    g_dialogText = text;
}

void AfxApplyDialogColors(QWidget* window)
{
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, ToQColor(g_dialogBackground));
    pal.setColor(QPalette::WindowText, ToQColor(g_dialogText));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

CDialog::CDialog(UINT templateId, QWidget* parent)
    : QDialog(parent), m_nTemplateId(templateId), m_timers(this, [this](UINT_PTR id) { OnTimer(id); })
{
    m_template = AfxGetDialogTemplate(templateId);
    if (!m_template)
        AfxReportMisuse(QStringLiteral("No dialog template %1").arg(templateId));
}

CDialog::CDialog(const DialogTemplate* dialogTemplate, QWidget* parent)
    : QDialog(parent),
      m_nTemplateId(dialogTemplate ? dialogTemplate->id : 0),
      m_template(dialogTemplate),
      m_timers(this, [this](UINT_PTR id) { OnTimer(id); })
{
    if (!m_template)
        AfxReportMisuse(QStringLiteral("A dialog without a template"));
}

CDialog::~CDialog() = default;

void CDialog::BuildControls()
{
    if (m_built)
        return;
    m_built = true;
    ApplyDialogLook();
    if (!m_template)
        return;
    setWindowTitle(QString::fromLatin1(m_template->caption));
    setFixedSize(DialogUnitsToPixelsX(m_template->cx), DialogUnitsToPixelsY(m_template->cy));
    CreateControls(m_template->controls);
}

// The grey dialog background and black text of the program's dialogs, in
// their 8-point font.
void CDialog::ApplyDialogLook()
{
    AfxApplyDialogColors(this);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);
}

int CDialog::DoModal()
{
    BuildControls();
    m_ended = false;
    m_nResult = IDCANCEL;
    if (!OnInitDialog()) {
        // Initialisation may end the dialog before it shows.
        if (m_ended)
            return m_nResult;
    }
    if (m_ended)
        return m_nResult;
    if (CUiResponder* responder = AfxGetUiResponder()) {
        show();
        const int answer = responder->OnDialog(*this);
        if (!m_ended)
            m_nResult = answer;
        hide();
        m_ended = true;
        return m_nResult;
    }
    exec();
    return m_nResult;
}

void CDialog::EndDialog(int result)
{
    m_nResult = result;
    m_ended = true;
    done(result);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::OnTimer(UINT_PTR) {}
void CDialog::OnHScroll(UINT, UINT, QScrollBar*) {}
void CDialog::OnVScroll(UINT, UINT, QScrollBar*) {}

void CDialog::reject()
{
    Notify(IDCANCEL, BN_CLICKED);
}

void CDialog::accept()
{
    Notify(m_nDefaultButton ? m_nDefaultButton : UINT(IDOK), BN_CLICKED);
}

void CDialog::MapNotify(UINT id, int code, std::function<void()> handler)
{
    m_notify[{id, code}] = std::move(handler);
}

void CDialog::Notify(UINT id, int code)
{
    auto it = m_notify.find({id, code});
    if (it != m_notify.end()) {
        auto handler = it->second;
        handler();
        return;
    }
    if (code != BN_CLICKED)
        return;
    if (OnCmdMsg(id))
        return;
    if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
}

QWidget* CDialog::GetDlgItem(UINT id) const
{
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void CDialog::SetDlgItemText(UINT id, const CString& text)
{
    QWidget* w = GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        SetEditText(edit, text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(w))
        box->setTitle(text);
}

CString CDialog::GetDlgItemText(UINT id) const
{
    QWidget* w = GetDlgItem(id);
    if (!w)
        AfxReportMisuse(QStringLiteral("Dialog %1 has no control %2 to read").arg(m_nTemplateId).arg(id));
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return CString();
}

void CDialog::ShowDlgItem(UINT id, bool show)
{
    if (QWidget* w = GetDlgItem(id))
        w->setVisible(show);
}

void CDialog::CenterWindow()
{
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QRect area = owner ? owner->frameGeometry()
                       : (QApplication::primaryScreen() ? QApplication::primaryScreen()->availableGeometry() : QRect());
    if (area.isEmpty())
        return;
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void CDialog::ClickButton(UINT id)
{
    if (auto* button = GetDlgItemAs<QAbstractButton>(id)) {
        if (button->isEnabled())
            button->click();
        return;
    }
    Notify(id, BN_CLICKED);
}

void CDialog::SelectListEntry(UINT id, int index)
{
    QWidget* w = GetDlgItem(id);
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        list->setCurrentRow(index);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(index);
        Notify(id, CBN_SELCHANGE);
    }
}

void CDialog::TypeText(UINT id, const CString& text)
{
    if (auto* edit = GetDlgItemAs<QLineEdit>(id))
        SetEditText(edit, text);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    BuildControls();
    CDataExchange dx(this, saveAndValidate != 0);
    DoDataExchange(&dx);
    return dx.Failed() ? FALSE : TRUE;
}
