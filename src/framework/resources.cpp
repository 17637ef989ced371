// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/resources.h"

CString AfxLoadString(UINT id)
{
    const CResources* resources = AfxGetResources();
    return resources ? resources->LoadString(id) : CString();
}

const DialogTemplate* AfxGetDialogTemplate(UINT id)
{
    const CResources* resources = AfxGetResources();
    return resources ? resources->FindDialogTemplate(id) : nullptr;
}

const std::vector<MenuItemTemplate>& AfxGetMenuTemplate(UINT resourceId)
{
    const CResources* resources = AfxGetResources();
    static const std::vector<MenuItemTemplate> none;
    const auto* menu = resources ? resources->FindMenu(resourceId) : nullptr;
    return menu ? *menu : none;
}

const std::vector<AcceleratorTemplate>& AfxGetAcceleratorTable(UINT resourceId)
{
    const CResources* resources = AfxGetResources();
    static const std::vector<AcceleratorTemplate> none;
    const auto* table = resources ? resources->FindAccelerators(resourceId) : nullptr;
    return table ? *table : none;
}

CString AfxHelpPageForContext(DWORD contextId)
{
    const CResources* resources = AfxGetResources();
    return resources ? resources->HelpPageForContext(contextId) : CString();
}

CString AfxBitmapPath(const CString& name)
{
    const CResources* resources = AfxGetResources();
    return resources ? resources->BitmapPath(name) : CString();
}
