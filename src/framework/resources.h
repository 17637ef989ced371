// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one point where the program hands its resources to the framework:
// its string table, dialog templates, menus, accelerator tables and help
// pages. The framework knows their shapes, never their contents.
#include "framework/dialog_template.h"
#include "framework/menu_template.h"
#include "framework/service.h"
#include "framework/types.h"

#include <vector>

class CResources {
public:
    virtual ~CResources() = default;
    // The text of a string id; empty when the table has no such entry.
    virtual CString LoadString(UINT id) const = 0;
    // Null for an unknown id.
    virtual const DialogTemplate* FindDialogTemplate(UINT id) const = 0;
    virtual const std::vector<MenuItemTemplate>* FindMenu(UINT resourceId) const = 0;
    virtual const std::vector<AcceleratorTemplate>* FindAccelerators(UINT resourceId) const = 0;
    // The page of a help context id (a resource path), or empty.
    virtual CString HelpPageForContext(DWORD contextId) const = 0;
    // The picture file of a bitmap named by text or number; empty when none.
    virtual CString BitmapPath(const CString& name) const = 0;
};

// The resources registered (as the CService of const CResources), or null.
inline const CResources* AfxGetResources() { return CService<const CResources>::Get(); }

// Lookups through the registered resources; with none registered they
// find nothing.
CString AfxLoadString(UINT id);
const DialogTemplate* AfxGetDialogTemplate(UINT id);
const std::vector<MenuItemTemplate>& AfxGetMenuTemplate(UINT resourceId);
const std::vector<AcceleratorTemplate>& AfxGetAcceleratorTable(UINT resourceId);
CString AfxHelpPageForContext(DWORD contextId);
CString AfxBitmapPath(const CString& name);
