// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CDialog: the controls of a dialog template, one builder a kind of
// control, placed in dialog units.
#include "framework/dialog.h"

#include "framework/dialog_widgets.h"
#include "framework/gdi_objects.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <optional>

namespace {

bool IsStaticText(ControlKind kind)
{
    return kind == CtlLText || kind == CtlCText || kind == CtlRText;
}

// A static text with an "&" (not "&&") has a mnemonic.
bool HasMnemonic(const char* text)
{
    return QString::fromLatin1(text).remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

// A static text with a mnemonic waits for the next control but a group box
// and names it: its letter moves the focus there.
void LinkMnemonic(const DialogControlTemplate& c, QWidget* w, QLabel*& pending)
{
    if (IsStaticText(c.kind)) {
        if (HasMnemonic(c.text))
            pending = static_cast<QLabel*>(w);
    } else if (c.kind != CtlGroupBox && pending) {
        pending->setBuddy(w);
        pending = nullptr;
    }
}

QLabel* CreateStaticText(const DialogControlTemplate& c, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(c.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    Qt::Alignment across = Qt::AlignLeft;
    if (c.kind == CtlCText)
        across = Qt::AlignHCenter;
    else if (c.kind == CtlRText)
        across = Qt::AlignRight;
    label->setAlignment(across | Qt::AlignTop);
    return label;
}

// A bitmap or an icon from the resources; empty when there is none.
QLabel* CreatePicture(const DialogControlTemplate& c, QWidget* parent)
{
    auto* label = new QLabel(parent);
    CBitmap bitmap;
    if (c.kind == CtlIcon ? bitmap.LoadIcon(c.text) : bitmap.LoadBitmap(c.text))
        label->setPixmap(QPixmap::fromImage(bitmap.GetImage()));
    return label;
}

// The scroll code of a scroll bar's action; none for an action the
// handlers do not know.
std::optional<UINT> ScrollCodeOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
    default: return std::nullopt;
    }
}

} // namespace

void CDialog::CreateControls(const std::vector<DialogControlTemplate>& controls)
{
    QButtonGroup* radioGroup = nullptr;
    QLabel* pendingMnemonic = nullptr;
    for (const DialogControlTemplate& c : controls) {
        QWidget* w = CreateControl(c, radioGroup);
        // Any other control ends a run of radio buttons.
        if (c.kind != CtlRadioButton && c.kind != CtlGroupBox)
            radioGroup = nullptr;
        PlaceControl(c, w);
        LinkMnemonic(c, w, pendingMnemonic);
        w->setVisible((c.style & ControlHidden) == 0);
        w->setEnabled((c.style & ControlDisabled) == 0);
        if (c.id != IDC_STATIC)
            m_controls[c.id] = w;
    }
    // Group boxes stay behind what they frame.
    for (QGroupBox* box : findChildren<QGroupBox*>())
        box->lower();
}

QWidget* CDialog::CreateControl(const DialogControlTemplate& c, QButtonGroup*& radioGroup)
{
    const QString text = QString::fromLatin1(c.text);
    switch (c.kind) {
    case CtlLText:
    case CtlCText:
    case CtlRText: return CreateStaticText(c, this);
    case CtlPushButton:
    case CtlDefPushButton: return CreatePushButton(c);
    case CtlEdit: return new QLineEdit(this);
    case CtlListBox: return CreateListBox(c);
    case CtlComboBox: return CreateComboBox(c);
    case CtlHScroll:
    case CtlVScroll: return CreateScrollBar(c);
    case CtlCheckBox: return new QCheckBox(text, this);
    case CtlRadioButton: return CreateRadioButton(c, radioGroup);
    case CtlGroupBox: {
        auto* box = new QGroupBox(text, this);
        box->lower();
        return box;
    }
    case CtlBitmap:
    case CtlIcon: return CreatePicture(c, this);
    }
    return nullptr;
}

QWidget* CDialog::CreatePushButton(const DialogControlTemplate& c)
{
    auto* button = new QPushButton(QString::fromLatin1(c.text), this);
    button->setAutoDefault(false);
    if (c.kind == CtlDefPushButton) {
        button->setDefault(true);
        m_nDefaultButton = c.id;
    }
    const UINT id = c.id;
    connect(button, &QPushButton::clicked, this, [this, id] { Notify(id, BN_CLICKED); });
    return button;
}

QWidget* CDialog::CreateListBox(const DialogControlTemplate& c)
{
    auto* list = new QListWidget(this);
    const UINT id = c.id;
    connect(list, &QListWidget::currentRowChanged, this, [this, id](int) { Notify(id, LBN_SELCHANGE); });
    return list;
}

QWidget* CDialog::CreateComboBox(const DialogControlTemplate& c)
{
    auto* combo = new CDropDownList(this);
    const UINT id = c.id;
    connect(combo, qOverload<int>(&QComboBox::activated), this, [this, id](int) { Notify(id, CBN_SELCHANGE); });
    return combo;
}

// The first radio button of a group (or of a run) starts a new group.
QWidget* CDialog::CreateRadioButton(const DialogControlTemplate& c, QButtonGroup*& radioGroup)
{
    auto* radio = new QRadioButton(QString::fromLatin1(c.text), this);
    if ((c.style & ControlGroup) || !radioGroup)
        radioGroup = new QButtonGroup(this);
    radioGroup->addButton(radio);
    const UINT id = c.id;
    connect(radio, &QRadioButton::clicked, this, [this, id] { Notify(id, BN_CLICKED); });
    return radio;
}

QWidget* CDialog::CreateScrollBar(const DialogControlTemplate& c)
{
    const bool vertical = c.kind == CtlVScroll;
    auto* bar = new CNotifyingScrollBar(vertical ? Qt::Vertical : Qt::Horizontal, this);
    bar->SetNotify([this, bar, vertical](UINT code, UINT pos) { SendScroll(bar, vertical, code, pos); });
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, vertical](int action) {
        if (const std::optional<UINT> code = ScrollCodeOf(action))
            OnScrollAction(bar, vertical, *code);
    });
    connect(bar, &QAbstractSlider::sliderReleased, this, [this, bar, vertical] {
        SendScroll(bar, vertical, SB_THUMBPOSITION, UINT(bar->sliderPosition()));
        SendScroll(bar, vertical, SB_ENDSCROLL, 0);
    });
    return bar;
}

// A scroll bar here does not move by itself: its owner moves it in answer
// to each notification, as the handlers expect. Only the dragged thumb
// follows the mouse.
void CDialog::OnScrollAction(QScrollBar* bar, bool vertical, UINT code)
{
    const int proposed = bar->sliderPosition();
    if (code != SB_THUMBTRACK)
        bar->setSliderPosition(bar->value());
    SendScroll(bar, vertical, code, UINT(proposed));
    if (code != SB_THUMBTRACK)
        SendScroll(bar, vertical, SB_ENDSCROLL, 0);
}

void CDialog::SendScroll(QScrollBar* bar, bool vertical, UINT code, UINT pos)
{
    if (vertical)
        OnVScroll(code, pos, bar);
    else
        OnHScroll(code, pos, bar);
}

void CDialog::PlaceControl(const DialogControlTemplate& c, QWidget* w)
{
    w->setGeometry(DialogUnitsToPixelsX(c.x), DialogUnitsToPixelsY(c.y), DialogUnitsToPixelsX(c.cx),
                   DialogUnitsToPixelsY(c.cy));
    // An icon control takes the size of its icon.
    if (c.kind == CtlIcon)
        w->resize(kIconSize, kIconSize);
    // A drop-down list's height includes its opened list; closed it is one
    // line high.
    if (c.kind == CtlComboBox) {
        const int opened = w->height();
        w->resize(w->width(), std::min(opened, w->sizeHint().height()));
        static_cast<CDropDownList*>(w)->SetListHeight(opened - w->height());
    }
}
