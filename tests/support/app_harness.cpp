// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/app_harness.h"

#include "framework/splitter.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

namespace {
// The pop-up that holds the action, or null for one in no pop-up.
QMenu* MenuHolding(QAction* action)
{
    for (QObject* owner : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(owner))
            return menu;
    }
    return nullptr;
}

// What a user does to reach the item: opens each pop-up from the menu bar
// down, and each one brings its items up to date as it shows.
QAction* OpenMenusTo(CMainFrame* frame, UINT id)
{
    QAction* item = frame->FindMenuAction(id);
    if (!item) {
        ADD_FAILURE() << "command " << id << " is not in the menu";
        return nullptr;
    }
    std::vector<QMenu*> path;
    for (QMenu* menu = MenuHolding(item); menu; menu = MenuHolding(menu->menuAction()))
        path.insert(path.begin(), menu);
    for (QMenu* menu : path)
        emit menu->aboutToShow();
    return item;
}
}

CAppHarness::CAppHarness(const QStringList& arguments, int boxesAtStart)
{
    for (int box = 0; box < boxesAtStart; ++box)
        m_responder.ExpectMessageBox();
    m_app = std::make_unique<CVoldrimApp>();
    m_app->SetArguments(arguments);
    m_app->InitInstance();
    ProcessEvents();
}

CAppHarness::~CAppHarness()
{
    m_app.reset();
    ProcessEvents();
}

CVoldrimDoc* CAppHarness::Doc() const
{
    return static_cast<CVoldrimDoc*>(m_app->GetDocTemplate()->GetDocument());
}

CMainFrame* CAppHarness::Frame() const
{
    return static_cast<CMainFrame*>(m_app->GetDocTemplate()->GetFrame());
}

CFboardView* CAppHarness::Fboard() const
{
    return static_cast<CFboardView*>(Frame()->GetSplitter()->GetPane(0, 0));
}

CStaffView* CAppHarness::Staff() const
{
    return static_cast<CStaffView*>(Frame()->GetSplitter()->GetPane(0, 1));
}

bool CAppHarness::Choose(UINT id)
{
    const bool ran = Frame()->RunCommandIfEnabled(id);
    ProcessEvents();
    return ran;
}

bool CAppHarness::IsEnabled(UINT id)
{
    CCmdUI ui(id);
    Frame()->RouteUpdate(&ui);
    return ui.m_bEnabled;
}

bool CAppHarness::ChooseFromMenu(UINT id)
{
    QAction* item = OpenMenusTo(Frame(), id);
    if (!item || !item->isEnabled())
        return false;
    item->trigger();
    ProcessEvents();
    return true;
}

CAppHarness::MenuItemLook CAppHarness::OpenMenuTo(UINT id)
{
    QAction* item = OpenMenusTo(Frame(), id);
    if (!item)
        return {};
    return {item->isEnabled(), item->isCheckable(), item->isChecked()};
}

bool CAppHarness::IsChecked(UINT id)
{
    return OpenMenuTo(id).checked;
}

void CAppHarness::ProcessEvents()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

std::vector<CString> CAppHarness::StaffBoxTexts()
{
    std::vector<GdiCall> calls;
    Staff()->SetDrawRecorder(&calls);
    Staff()->Invalidate(TRUE);
    ProcessEvents();
    Staff()->UpdateWindow();
    Staff()->SetDrawRecorder(nullptr);
    std::vector<CString> texts;
    for (const GdiCall& call : calls) {
        if (call.op == "DrawText")
            texts.push_back(call.text);
    }
    return texts;
}
