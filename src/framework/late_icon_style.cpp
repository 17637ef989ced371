// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/late_icon_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>

namespace {

// A standard icon of a style, asked of it when the icon is first drawn
// or measured.
class CStandardIconOnFirstUse : public QIconEngine {
public:
    CStandardIconOnFirstUse(QStyle* style, QStyle::StandardPixmap which) : m_style(style), m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new CStandardIconOnFirstUse(*this); }

private:
    const QIcon& Icon()
    {
        if (!m_made) {
            m_made = true;
            if (m_style)
                m_icon = m_style->standardIcon(m_which);
        }
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    bool m_made = false;
    QIcon m_icon;
};

class CLateIconStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        // Drawn the same whatever widget asks.
        if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new CStandardIconOnFirstUse(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

void AfxUseLateIconStyle()
{
    if (qApp && !dynamic_cast<CLateIconStyle*>(QApplication::style()))
        QApplication::setStyle(new CLateIconStyle);
}
