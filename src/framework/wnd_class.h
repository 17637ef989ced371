// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window classes: what a window is erased with, its cursor, and whether
// a second click in quick succession counts as a double-click.
#include "framework/gdi_objects.h"
#include "framework/types.h"

enum ClassStyle : UINT { CS_DBLCLKS = 0x0008 };
enum WindowStyle : DWORD {
    WS_CHILD = 0x40000000, WS_VISIBLE = 0x10000000, WS_POPUP = 0x80000000,
    WS_OVERLAPPEDWINDOW = 0x00CF0000, BS_OWNERDRAW = 0x0000000B,
};
enum CursorId { IDC_ARROW = 32512 };

struct WndClassInfo {
    UINT style = 0;
    bool hasBackground = false;
    COLORREF background = RGB(255, 255, 255);
    bool hasCursor = false;
};

// Registers a class and returns its name; equal descriptions share a name.
// brush may be null (no background erase); cursor 0 means none.
CString AfxRegisterWndClass(UINT classStyle, int cursor = 0, const CBrush* background = nullptr, int icon = 0);
// The class registered under the name; an unknown name is reported, and
// gives a default class.
WndClassInfo AfxLookupWndClass(const CString& name);

struct CREATESTRUCT {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    DWORD style = 0;
    CString lpszClass;
    CString lpszName;
};
