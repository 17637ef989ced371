// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every item of the menu bar chosen as a user chooses it: the tick its menu
// shows next comes from its update handler alone.
#include "res/resource.h"
#include "support/app_harness.h"
#include "support/scripted_file_dialog.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <gtest/gtest.h>
#include <map>

namespace {

// What an update handler says about an item's tick, if anything.
class CheckProbe : public CCmdUI {
public:
    using CCmdUI::CCmdUI;
    void SetCheck(int check) override
    {
        m_bSaid = true;
        CCmdUI::SetCheck(check);
    }
    bool m_bSaid = false;
};

// Every item below the menu bar, pop-ups walked into, in menu order.
void CollectItems(const QList<QAction*>& actions, std::vector<QAction*>& items)
{
    for (QAction* action : actions) {
        if (action->menu())
            CollectItems(action->menu()->actions(), items);
        else if (!action->isSeparator())
            items.push_back(action);
    }
}

enum class Opens { Nothing, Dialog, FileDialog, ClosesTheProgram };

TEST(MenuChecks, AChosenItemShowsTheTickItsHandlerGivesAndNoneWithoutOne)
{
    // Items that open something; every other item opens nothing.
    std::map<UINT, Opens> opens = {{ID_TEMPO, Opens::Dialog},
                                   {ID_MIDI, Opens::Dialog},
                                   {ID_SHOWME_OPTIONS, Opens::Dialog},
                                   {ID_SHOWME_SCORES, Opens::Dialog},
                                   {ID_APP_ABOUT, Opens::Dialog},
                                   {ID_FILE_OPEN, Opens::FileDialog},
                                   {ID_FILE_SAVE, Opens::FileDialog},
                                   {ID_FILE_SAVE_AS, Opens::FileDialog},
                                   {ID_FILE_EXPORT, Opens::FileDialog},
                                   {ID_FILE_IMPORT, Opens::FileDialog},
                                   {ID_APP_EXIT, Opens::ClosesTheProgram}};

    std::vector<std::pair<UINT, QString>> items;
    {
        CAppHarness menus;
        std::vector<QAction*> actions;
        CollectItems(menus.Frame()->menuBar()->actions(), actions);
        for (QAction* action : actions)
            items.emplace_back(action->data().toUInt(), action->text());
    }
    for (const auto& [id, text] : items) {
        SCOPED_TRACE(text.toStdString());
        CAppHarness app;
        CScriptedFileDialog files;
        QPointer<CMainFrame> frame = app.Frame();
        const auto row = opens.find(id);
        const Opens what = row == opens.end() ? Opens::Nothing : row->second;
        if (row != opens.end())
            opens.erase(row);
        if (what == Opens::Dialog)
            app.m_responder.ExpectDialog([](CDialog&) { return IDCANCEL; });
        if (what == Opens::FileDialog)
            files.Expect(CString()); // cancelled

        EXPECT_TRUE(app.ChooseFromMenu(id)) << "every item is enabled at start-up";
        if (what == Opens::ClosesTheProgram) {
            EXPECT_TRUE(frame.isNull() || !frame->isVisible());
            continue;
        }
        const CAppHarness::MenuItemLook look = app.OpenMenuTo(id);
        CheckProbe handler(id);
        app.Frame()->RouteUpdate(&handler);
        EXPECT_EQ(look.checkable, handler.m_bSaid);
        EXPECT_EQ(look.checked, handler.m_bSaid && handler.m_nCheck != 0);
        EXPECT_EQ(look.enabled, handler.m_bEnabled);
    }
    EXPECT_TRUE(opens.empty()) << opens.size() << " item(s) of the table not in the menu";
}

}
