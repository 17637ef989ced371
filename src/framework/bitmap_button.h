// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button drawn with two pictures, up and pressed. A click sends
// the button's id as a command from the view it sits on.
#include "framework/gdi_objects.h"
#include "framework/wnd_class.h"

#include <QAbstractButton>

class CBitmapButton : public QAbstractButton {
public:
    CBitmapButton();

    // Creates the button as a child of parent at rc (client coordinates).
    BOOL Create(const CString& caption, DWORD style, const CRect& rc, QWidget* parent, UINT id);
    // Loads the pictures by resource name; false when the up picture is
    // missing. The pressed picture is loaded when first needed: the window
    // shows sooner without it.
    BOOL LoadBitmaps(const char* up, const char* down = nullptr);
    // Sizes the button to its up picture.
    void SizeToContent();
    void MoveWindow(int x, int y, int width, int height);
    void ShowWindow(bool show) { setVisible(show); }
    UINT GetDlgCtrlID() const { return m_nID; }
    const CBitmap& UpBitmap() const { return m_up; }
    const CBitmap& DownBitmap() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void SendCommand();

    UINT m_nID = 0;
    CBitmap m_up;
    // Loaded from m_downName by DownBitmap.
    mutable CBitmap m_down;
    QByteArray m_downName;
};
