// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/dialog_widgets.h"

#include "framework/dialog.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <algorithm>
#include <iterator>

namespace {

// The entries of a scroll bar's menu after "Scroll Here", in pairs between
// separators.
struct ScrollMenuEntry {
    const char* vertical;
    const char* horizontal;
    QAbstractSlider::SliderAction action;
};
const ScrollMenuEntry kScrollMenu[] = {
    {"Top", "Left Edge", QAbstractSlider::SliderToMinimum},
    {"Bottom", "Right Edge", QAbstractSlider::SliderToMaximum},
    {"Page Up", "Page Left", QAbstractSlider::SliderPageStepSub},
    {"Page Down", "Page Right", QAbstractSlider::SliderPageStepAdd},
    {"Scroll Up", "Scroll Left", QAbstractSlider::SliderSingleStepSub},
    {"Scroll Down", "Scroll Right", QAbstractSlider::SliderSingleStepAdd},
};

// The style of a drop-down list: its list opens below it rather than over
// it with every entry.
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

} // namespace

void CNotifyingScrollBar::contextMenuEvent(QContextMenuEvent* event)
{
    const bool vertical = orientation() == Qt::Vertical;
    QPointer<QScrollBar> alive(this);
    QPointer<QMenu> menu = new QMenu(this);
    QAction* here = menu->addAction(QStringLiteral("Scroll Here"));
    for (size_t i = 0; i < std::size(kScrollMenu); ++i) {
        if (i % 2 == 0)
            menu->addSeparator();
        const ScrollMenuEntry& entry = kScrollMenu[i];
        menu->addAction(QString::fromLatin1(vertical ? entry.vertical : entry.horizontal))->setData(int(entry.action));
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

int CNotifyingScrollBar::ValueAt(QPoint point) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
    const QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    const bool vertical = orientation() == Qt::Vertical;
    const int span = vertical ? groove.height() - thumb.height() : groove.width() - thumb.width();
    const int along =
        vertical ? point.y() - groove.top() - thumb.height() / 2 : point.x() - groove.left() - thumb.width() / 2;
    return QStyle::sliderValueFromPosition(minimum(), maximum(), std::clamp(along, 0, std::max(span, 0)), span,
                                           option.upsideDown);
}

CDropDownList::CDropDownList(QWidget* parent) : QComboBox(parent)
{
    auto* dropDown = new CDropDownStyle(QStyleFactory::create(style()->name()));
    dropDown->setParent(this);
    setStyle(dropDown);
}

// Opened once, the list shows what its frame takes; a list too tall is
// opened again with the rows that fit.
void CDropDownList::showPopup()
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
