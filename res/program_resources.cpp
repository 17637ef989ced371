// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/program_resources.h"

#include "res/dialog_templates.h"
#include "res/string_table.h"

namespace {

class ProgramResourceSet : public CResources {
public:
    CString LoadString(UINT id) const override { return ProgramString(id); }
    const DialogTemplate* FindDialogTemplate(UINT id) const override { return ProgramDialogTemplate(id); }
    const std::vector<MenuItemTemplate>* FindMenu(UINT resourceId) const override { return ProgramMenu(resourceId); }
    const std::vector<AcceleratorTemplate>* FindAccelerators(UINT resourceId) const override
    {
        return ProgramAccelerators(resourceId);
    }
    CString HelpPageForContext(DWORD contextId) const override { return ProgramHelpPage(contextId); }
    CString BitmapPath(const CString& name) const override
    {
        return QStringLiteral(":/res/bitmaps/") + name + QStringLiteral(".svg");
    }
};

}

const CResources& ProgramResources()
{
    static const ProgramResourceSet resources;
    return resources;
}

void RegisterProgramResources()
{
    CService<const CResources>::Install(&ProgramResources());
}
