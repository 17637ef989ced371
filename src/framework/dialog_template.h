// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog templates as resource data. Coordinates are dialog units of the
// 8-point dialog font: x * 1.5 and y * 1.625 give pixels.
#include "framework/message_box.h" // IDOK and IDCANCEL name the standard buttons
#include "framework/types.h"

#include <vector>

enum ControlKind {
    CtlLText,          // left-aligned static text
    CtlCText,          // centred static text
    CtlRText,          // right-aligned static text
    CtlPushButton,
    CtlDefPushButton,
    CtlEdit,
    CtlListBox,
    CtlComboBox,       // drop-down list
    CtlHScroll,
    CtlVScroll,
    CtlCheckBox,
    CtlRadioButton,    // the first of a group carries ControlGroup
    CtlGroupBox,
    CtlBitmap,         // text holds the bitmap resource name or number
    CtlIcon,           // text holds the icon resource number
};

enum ControlStyle : DWORD { ControlHidden = 0x1, ControlGroup = 0x2, ControlDisabled = 0x4 };

constexpr UINT IDC_STATIC = 0xFFFF;

struct DialogControlTemplate {
    ControlKind kind;
    UINT id;
    const char* text;
    int x, y, cx, cy;
    DWORD style = 0;
};

struct DialogTemplate {
    UINT id;
    const char* caption;
    int x, y, cx, cy;
    std::vector<DialogControlTemplate> controls;
};

constexpr int DialogUnitsToPixelsX(int x) { return x * 3 / 2; }
constexpr int DialogUnitsToPixelsY(int y) { return y * 13 / 8; }

