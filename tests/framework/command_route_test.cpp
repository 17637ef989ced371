// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Commands travel view, document, frame, application; update handlers
// decide what a menu shows; buttons send their id along the same route.
#include "framework/bitmap_button.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/timer_set.h"
#include "framework/view.h"
#include "framework/win_app.h"
#include "support/test_resources.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> g_log;

class RouteView : public CView {
public:
    RouteView()
    {
        MapCommand(1, [] { g_log.push_back("view 1"); });
    }
    void OnDraw(CDC*) override {}
};

class RouteDoc : public CDocument {
public:
    RouteDoc()
    {
        MapCommand(1, [] { g_log.push_back("doc 1"); });
        MapCommand(2, [] { g_log.push_back("doc 2"); });
        MapUpdate(2, [this](CCmdUI* ui) {
            ++m_updates;
            ui->Enable(m_enabled);
            ui->SetCheck(1);
        });
    }
    int m_updates = 0;
    bool m_enabled = true;
};

class RouteFrame : public CFrameWnd {
public:
    RouteFrame()
    {
        MapCommand(2, [] { g_log.push_back("frame 2"); });
        MapCommand(3, [] { g_log.push_back("frame 3"); });
    }
};

class RouteApp : public CWinApp {
public:
    RouteApp()
    {
        MapCommand(3, [] { g_log.push_back("app 3"); });
        MapCommand(4, [] { g_log.push_back("app 4"); });
    }
};

class CommandRouteTest : public ::testing::Test {
protected:
    CommandRouteTest()
        : m_template(999, [] { return new RouteDoc(); }, [] { return new RouteFrame(); },
                     [] { return new RouteView(); })
    {
        g_log.clear();
        m_template.OpenDocumentFile(nullptr, FALSE);
    }
    RouteDoc* Doc() { return static_cast<RouteDoc*>(m_template.GetDocument()); }
    CFrameWnd* Frame() { return m_template.GetFrame(); }
    RouteApp m_app;
    CSingleDocTemplate m_template;
};

TEST_F(CommandRouteTest, TheFirstTargetWithAHandlerTakesTheCommand)
{
    ASSERT_NE(Frame()->GetActiveView(), nullptr);
    EXPECT_TRUE(Frame()->RouteCommand(1));
    EXPECT_TRUE(Frame()->RouteCommand(2));
    EXPECT_TRUE(Frame()->RouteCommand(3));
    EXPECT_TRUE(Frame()->RouteCommand(4));
    EXPECT_FALSE(Frame()->RouteCommand(5));
    EXPECT_EQ(g_log, std::vector<std::string>({"view 1", "doc 2", "frame 3", "app 4"}));
}

TEST_F(CommandRouteTest, UpdateHandlersRunOnlyWhenAskedAndDisabledCommandsDoNotRun)
{
    Frame()->RouteCommand(2);
    EXPECT_EQ(Doc()->m_updates, 0) << "running a command does not ask its update handler";

    CCmdUI ui(2);
    Frame()->RouteUpdate(&ui);
    EXPECT_EQ(Doc()->m_updates, 1);
    EXPECT_TRUE(ui.m_bEnabled);
    EXPECT_EQ(ui.m_nCheck, 1);

    Doc()->m_enabled = false;
    g_log.clear();
    EXPECT_FALSE(Frame()->RunCommandIfEnabled(2));
    EXPECT_TRUE(g_log.empty());

    // A command nobody handles is shown disabled; one with a handler but
    // no update handler is enabled.
    CCmdUI unknown(77);
    Frame()->RouteUpdate(&unknown);
    EXPECT_FALSE(unknown.m_bEnabled);
    CCmdUI plain(3);
    Frame()->RouteUpdate(&plain);
    EXPECT_TRUE(plain.m_bEnabled);
}

TEST_F(CommandRouteTest, ABitmapButtonSendsItsIdFromItsView)
{
    CTestResources resources;
    resources.AddBitmap(QStringLiteral("SHOWMEU"), 63, 39);
    resources.AddBitmap(QStringLiteral("SHOWMED"), 63, 39);
    CBitmapButton button;
    CView* view = Frame()->GetActiveView();
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 20, 20), view, 2));
    ASSERT_TRUE(button.LoadBitmaps("SHOWMEU", "SHOWMED"));
    button.SizeToContent();
    EXPECT_EQ(button.size(), QSize(63, 39));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(g_log, std::vector<std::string>({"doc 2"}));
    EXPECT_FALSE(button.LoadBitmaps("NO_SUCH_PICTURE"));
}

TEST(TimerSet, TimersByIdReplaceAndStop)
{
    QObject owner;
    std::vector<UINT_PTR> fired;
    CTimerSet timers(&owner, [&](UINT_PTR id) { fired.push_back(id); });
    timers.SetTimer(1, 1000);
    timers.SetTimer(2, 5);
    timers.SetTimer(1, 20);
    EXPECT_EQ(timers.IntervalOf(1), 20) << "the same id replaces the running timer";
    QTest::qWait(60);
    EXPECT_TRUE(std::count(fired.begin(), fired.end(), 2) >= 2);
    EXPECT_TRUE(std::count(fired.begin(), fired.end(), 1) >= 1);
    EXPECT_TRUE(timers.KillTimer(2));
    EXPECT_FALSE(timers.KillTimer(2));
    EXPECT_FALSE(timers.KillTimer(9));
    fired.clear();
    timers.KillTimer(1);
    QTest::qWait(40);
    EXPECT_TRUE(fired.empty());
}

}
