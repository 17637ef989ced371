// CDialog: the controls of a dialog template, one builder a kind of
// control, placed in dialog units.
#include "framework/dialog.h"

#include "framework/gdi_objects.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <algorithm>
#include <functional>
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

// A bitmap or an icon from the resources; empty when there is none. An
// icon control takes the size of its icon.
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

// A scroll bar whose own menu moves it through the notifications, as its
// arrows and thumb do, so that its owner always hears of a move.
class CNotifyingScrollBar : public QScrollBar {
public:
    using Notify = std::function<void(UINT code, UINT pos)>;
    CNotifyingScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}
    void SetNotify(Notify notify) { m_notify = std::move(notify); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        const bool vertical = orientation() == Qt::Vertical;
        struct Entry {
            const char* vertical;
            const char* horizontal;
            SliderAction action;
        };
        static const Entry entries[] = {
            {"Top", "Left Edge", SliderToMinimum},      {"Bottom", "Right Edge", SliderToMaximum},
            {"Page Up", "Page Left", SliderPageStepSub}, {"Page Down", "Page Right", SliderPageStepAdd},
            {"Scroll Up", "Scroll Left", SliderSingleStepSub}, {"Scroll Down", "Scroll Right", SliderSingleStepAdd},
        };
        QPointer<QScrollBar> alive(this);
        QPointer<QMenu> menu = new QMenu(this);
        QAction* here = menu->addAction(QStringLiteral("Scroll Here"));
        for (size_t i = 0; i < std::size(entries); ++i) {
            if (i % 2 == 0)
                menu->addSeparator();
            menu->addAction(QString::fromLatin1(vertical ? entries[i].vertical : entries[i].horizontal))
                ->setData(int(entries[i].action));
        }
        QAction* chosen = menu->exec(event->globalPos());
        if (!alive)
            return;
        if (chosen == here && m_notify) {
            m_notify(SB_THUMBPOSITION, UINT(ValueAt(event->pos())));
            m_notify(SB_ENDSCROLL, 0);
        } else if (chosen) {
            triggerAction(SliderAction(chosen->data().toInt()));
        }
        delete menu;
    }

private:
    // The position whose thumb would be centred on the point.
    int ValueAt(QPoint point) const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect groove = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
        const QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
        const bool vertical = orientation() == Qt::Vertical;
        const int span = vertical ? groove.height() - thumb.height() : groove.width() - thumb.width();
        const int along = vertical ? point.y() - groove.top() - thumb.height() / 2
                                   : point.x() - groove.left() - thumb.width() / 2;
        return QStyle::sliderValueFromPosition(minimum(), maximum(), std::clamp(along, 0, std::max(span, 0)),
                                               span, option.upsideDown);
    }

    Notify m_notify;
};

// The style of a drop-down list: its list opens below it, as tall as its
// template says, rather than over it with every entry.
class CDropDownStyle : public QProxyStyle {
public:
    explicit CDropDownStyle(QStyle* base) : QProxyStyle(base) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// A drop-down list whose opened list shows the rows that fit in its
// template's height below the closed line, and scrolls the rest.
class CDropDownList : public QComboBox {
public:
    explicit CDropDownList(QWidget* parent) : QComboBox(parent)
    {
        auto* dropDown = new CDropDownStyle(QStyleFactory::create(style()->name()));
        dropDown->setParent(this);
        setStyle(dropDown);
    }
    void SetListHeight(int pixels) { m_nListHeight = pixels; }

    // Opened once, the list shows what its frame takes; a list too tall is
    // opened again with the rows that fit.
    void showPopup() override
    {
        QComboBox::showPopup();
        const QWidget* popup = view()->window();
        const int rowHeight = count() > 0 ? view()->sizeHintForRow(0) : 0;
        if (rowHeight <= 0 || popup->height() <= m_nListHeight)
            return;
        const int frame = popup->height() - std::min(count(), maxVisibleItems()) * rowHeight;
        setMaxVisibleItems(std::max(1, (m_nListHeight - frame) / rowHeight));
        QComboBox::showPopup();
    }

private:
    int m_nListHeight = 0;
};

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
    // A drop-down list's height includes its opened list; closed it is one
    // line high.
    if (c.kind == CtlIcon)
        w->resize(kIconSize, kIconSize);
    if (c.kind == CtlComboBox) {
        const int opened = w->height();
        w->resize(w->width(), std::min(opened, w->sizeHint().height()));
        static_cast<CDropDownList*>(w)->SetListHeight(opened - w->height());
    }
}
