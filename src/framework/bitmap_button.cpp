// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/bitmap_button.h"

#include "framework/view.h"

#include <QPainter>

CBitmapButton::CBitmapButton()
{
    // The keyboard stays with the view, where held letter keys matter.
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { SendCommand(); });
}

BOOL CBitmapButton::Create(const CString& caption, DWORD style, const CRect& rc, QWidget* parent, UINT id)
{
    setParent(parent);
    setText(caption);
    m_nID = id;
    setGeometry(rc.toQRect());
    setVisible((style & WS_VISIBLE) != 0);
    return TRUE;
}

BOOL CBitmapButton::LoadBitmaps(const char* up, const char* down)
{
    if (!m_up.LoadBitmap(up))
        return FALSE;
    m_down.DeleteObject();
    m_downName = down ? QByteArray(down) : QByteArray();
    update();
    return TRUE;
}

const CBitmap& CBitmapButton::DownBitmap() const
{
    if (!m_downName.isEmpty() && !m_down.IsLoaded())
        m_down.LoadBitmap(m_downName.constData());
    return m_down;
}

void CBitmapButton::SizeToContent()
{
    if (m_up.IsLoaded())
        resize(m_up.GetSize().cx, m_up.GetSize().cy);
}

void CBitmapButton::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

void CBitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const CBitmap& picture = isDown() && DownBitmap().IsLoaded() ? m_down : m_up;
    if (picture.IsLoaded())
        painter.drawImage(0, 0, picture.GetImage());
}

void CBitmapButton::SendCommand()
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* view = dynamic_cast<CView*>(w)) {
            view->SendCommand(m_nID);
            return;
        }
    }
}
