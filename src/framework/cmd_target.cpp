// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/cmd_target.h"

bool CCmdTarget::OnCmdMsg(UINT id)
{
    auto it = m_commands.find(id);
    if (it == m_commands.end())
        return false;
    // Copy: the handler may rebind the map (a dialog or view going away).
    auto handler = it->second;
    handler();
    return true;
}

bool CCmdTarget::OnUpdateCmdMsg(CCmdUI* ui)
{
    auto it = m_updates.find(ui->m_nID);
    if (it == m_updates.end())
        return false;
    it->second(ui);
    return true;
}

void CCmdTarget::MapCommand(UINT id, std::function<void()> handler)
{
    m_commands[id] = std::move(handler);
}

void CCmdTarget::MapUpdate(UINT id, std::function<void(CCmdUI*)> handler)
{
    m_updates[id] = std::move(handler);
}
