// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Menus and accelerator tables as resource data: one table builds the menu
// bar and the keys, so both always agree.
#include "framework/types.h"

#include <QKeySequence>
#include <vector>

enum MenuItemFlags : UINT { MF_STRING = 0x0, MF_CHECKED = 0x8, MF_POPUP = 0x10, MF_SEPARATOR = 0x800 };

struct MenuItemTemplate {
    const char* text = "";
    UINT id = 0;
    UINT flags = MF_STRING;
    std::vector<MenuItemTemplate> items; // for pop-ups
};

struct AcceleratorTemplate {
    QKeyCombination key;
    UINT id;
};

