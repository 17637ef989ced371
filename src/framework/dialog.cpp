#include "framework/dialog.h"
#include "framework/resources.h"

#include "framework/gdi_objects.h"
#include "framework/message_box.h"
#include "framework/misuse.h"
#include "framework/ui_responder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QScreen>
#include <algorithm>

namespace {
COLORREF g_dialogBackground = RGB(192, 192, 192);
COLORREF g_dialogText = RGB(0, 0, 0);

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}
}

void SetDialogBkColor(COLORREF background, COLORREF text)
{
    g_dialogBackground = background;
    g_dialogText = text;
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
    // The grey dialog background and black text of the program's dialogs.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(g_dialogBackground));
    pal.setColor(QPalette::WindowText, ToQColor(g_dialogText));
    setPalette(pal);
    setAutoFillBackground(true);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);
    if (!m_template)
        return;
    setWindowTitle(QString::fromLatin1(m_template->caption));
    setFixedSize(DialogUnitsToPixelsX(m_template->cx), DialogUnitsToPixelsY(m_template->cy));

    QButtonGroup* radioGroup = nullptr;
    // A static text with an "&" names the control after it: its letter
    // moves the focus there.
    QLabel* pendingMnemonic = nullptr;
    for (const DialogControlTemplate& c : m_template->controls) {
        const QString text = QString::fromLatin1(c.text);
        QWidget* w = nullptr;
        switch (c.kind) {
        case CtlLText:
        case CtlCText:
        case CtlRText: {
            auto* label = new QLabel(text, this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment((c.kind == CtlCText ? Qt::AlignHCenter : c.kind == CtlRText ? Qt::AlignRight : Qt::AlignLeft) |
                                Qt::AlignTop);
            w = label;
            break;
        }
        case CtlPushButton:
        case CtlDefPushButton: {
            auto* button = new QPushButton(text, this);
            button->setAutoDefault(false);
            if (c.kind == CtlDefPushButton) {
                button->setDefault(true);
                m_nDefaultButton = c.id;
            }
            const UINT id = c.id;
            connect(button, &QPushButton::clicked, this, [this, id] { Notify(id, BN_CLICKED); });
            w = button;
            break;
        }
        case CtlEdit:
            w = new QLineEdit(this);
            break;
        case CtlListBox: {
            auto* list = new QListWidget(this);
            const UINT id = c.id;
            connect(list, &QListWidget::currentRowChanged, this, [this, id](int) { Notify(id, LBN_SELCHANGE); });
            w = list;
            break;
        }
        case CtlComboBox: {
            auto* combo = new QComboBox(this);
            const UINT id = c.id;
            connect(combo, qOverload<int>(&QComboBox::activated), this, [this, id](int) { Notify(id, CBN_SELCHANGE); });
            w = combo;
            break;
        }
        case CtlHScroll:
        case CtlVScroll: {
            const bool vertical = c.kind == CtlVScroll;
            auto* bar = new QScrollBar(vertical ? Qt::Vertical : Qt::Horizontal, this);
            // A scroll bar here does not move by itself: its owner moves it
            // in answer to each notification, as the handlers expect.
            connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, vertical](int action) {
                UINT code = SB_ENDSCROLL;
                switch (action) {
                case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
                case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
                case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
                case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
                case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
                case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
                case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
                default: return;
                }
                const int proposed = bar->sliderPosition();
                if (code != SB_THUMBTRACK)
                    bar->setSliderPosition(bar->value());
                if (vertical)
                    OnVScroll(code, UINT(proposed), bar);
                else
                    OnHScroll(code, UINT(proposed), bar);
                if (code != SB_THUMBTRACK) {
                    if (vertical)
                        OnVScroll(SB_ENDSCROLL, 0, bar);
                    else
                        OnHScroll(SB_ENDSCROLL, 0, bar);
                }
            });
            connect(bar, &QAbstractSlider::sliderReleased, this, [this, bar, vertical] {
                const UINT pos = UINT(bar->sliderPosition());
                if (vertical) {
                    OnVScroll(SB_THUMBPOSITION, pos, bar);
                    OnVScroll(SB_ENDSCROLL, 0, bar);
                } else {
                    OnHScroll(SB_THUMBPOSITION, pos, bar);
                    OnHScroll(SB_ENDSCROLL, 0, bar);
                }
            });
            w = bar;
            break;
        }
        case CtlCheckBox:
            w = new QCheckBox(text, this);
            break;
        case CtlRadioButton: {
            auto* radio = new QRadioButton(text, this);
            if ((c.style & ControlGroup) || !radioGroup) {
                radioGroup = new QButtonGroup(this);
            }
            radioGroup->addButton(radio);
            const UINT id = c.id;
            connect(radio, &QRadioButton::clicked, this, [this, id] { Notify(id, BN_CLICKED); });
            w = radio;
            break;
        }
        case CtlGroupBox:
            w = new QGroupBox(text, this);
            w->lower();
            break;
        case CtlBitmap:
        case CtlIcon: {
            auto* label = new QLabel(this);
            CBitmap bitmap;
            if (bitmap.LoadBitmap(c.text))
                label->setPixmap(QPixmap::fromImage(bitmap.GetImage()));
            w = label;
            break;
        }
        }
        // Any other control ends a run of radio buttons.
        if (c.kind != CtlRadioButton && c.kind != CtlGroupBox)
            radioGroup = nullptr;
        w->setGeometry(DialogUnitsToPixelsX(c.x), DialogUnitsToPixelsY(c.y), DialogUnitsToPixelsX(c.cx),
                       DialogUnitsToPixelsY(c.cy));
        // A drop-down list's height includes its opened list; closed it is
        // one line high.
        if (c.kind == CtlComboBox)
            w->resize(w->width(), std::min(w->height(), w->sizeHint().height()));
        if (c.kind == CtlLText || c.kind == CtlCText || c.kind == CtlRText) {
            if (QString::fromLatin1(c.text).remove(QStringLiteral("&&")).contains(QLatin1Char('&')))
                pendingMnemonic = static_cast<QLabel*>(w);
        } else if (c.kind != CtlGroupBox && pendingMnemonic) {
            pendingMnemonic->setBuddy(w);
            pendingMnemonic = nullptr;
        }
        w->setVisible((c.style & ControlHidden) == 0);
        w->setEnabled((c.style & ControlDisabled) == 0);
        if (c.id != IDC_STATIC)
            m_controls[c.id] = w;
    }
    // Group boxes stay behind what they frame.
    for (QGroupBox* box : findChildren<QGroupBox*>())
        box->lower();
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
        edit->setText(text);
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
        edit->setText(text);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    BuildControls();
    CDataExchange dx(this, saveAndValidate != 0);
    DoDataExchange(&dx);
    return dx.Failed() ? FALSE : TRUE;
}
