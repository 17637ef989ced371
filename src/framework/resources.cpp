#include "framework/resources.h"

namespace {
const CResources* g_resources = nullptr;
}

void AfxSetResources(const CResources* resources)
{
    g_resources = resources;
}

const CResources* AfxGetResources()
{
    return g_resources;
}

CString AfxLoadString(UINT id)
{
    return g_resources ? g_resources->LoadString(id) : CString();
}

const DialogTemplate* AfxGetDialogTemplate(UINT id)
{
    return g_resources ? g_resources->FindDialogTemplate(id) : nullptr;
}

const std::vector<MenuItemTemplate>& AfxGetMenuTemplate(UINT resourceId)
{
    static const std::vector<MenuItemTemplate> none;
    const auto* menu = g_resources ? g_resources->FindMenu(resourceId) : nullptr;
    return menu ? *menu : none;
}

const std::vector<AcceleratorTemplate>& AfxGetAcceleratorTable(UINT resourceId)
{
    static const std::vector<AcceleratorTemplate> none;
    const auto* table = g_resources ? g_resources->FindAccelerators(resourceId) : nullptr;
    return table ? *table : none;
}

CString AfxHelpPageForContext(DWORD contextId)
{
    return g_resources ? g_resources->HelpPageForContext(contextId) : CString();
}

CString AfxBitmapPath(const CString& name)
{
    return g_resources ? g_resources->BitmapPath(name) : CString();
}
