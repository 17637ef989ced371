// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Command targets: objects that handle menu, accelerator and button
// commands by id, and decide through update handlers whether a command's
// menu item is enabled and checked.
#include "framework/types.h"

#include <functional>
#include <map>

// The state an update handler sets for one command.
class CCmdUI {
public:
    explicit CCmdUI(UINT id) : m_nID(id) {}
    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL on = TRUE) { m_bEnabled = on != 0; }
    virtual void SetCheck(int check = 1) { m_nCheck = check; }

    UINT m_nID;
    bool m_bEnabled = true;
    int m_nCheck = 0;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs this target's handler for the command; false when it has none.
    virtual bool OnCmdMsg(UINT id);
    // Runs this target's update handler; false when it has none.
    virtual bool OnUpdateCmdMsg(CCmdUI* ui);
    bool HasCommandHandler(UINT id) const { return m_commands.count(id) != 0; }
    bool HasUpdateHandler(UINT id) const { return m_updates.count(id) != 0; }

protected:
    // The message map: bound in the constructors of the program's classes.
    void MapCommand(UINT id, std::function<void()> handler);
    void MapUpdate(UINT id, std::function<void(CCmdUI*)> handler);

private:
    std::map<UINT, std::function<void()>> m_commands;
    std::map<UINT, std::function<void(CCmdUI*)>> m_updates;
};
