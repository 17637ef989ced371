// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the program: the command line, the main window, its menus and
// keys, the start-up sound and the help and About commands.
#include "app/about_dlg.h"
#include "app/splash_window.h"
#include "framework/help.h"
#include "framework/resources.h"
#include "framework/splitter.h"
#include "res/resource.h"
#include "support/app_harness.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

using Ids = std::initializer_list<UINT>;

TEST(CommandLine, OnlyEmbeddingOrAutomationSwitchesTheSplashOff)
{
    EXPECT_TRUE(CVoldrimApp::ShowSplashFor({}));
    EXPECT_TRUE(CVoldrimApp::ShowSplashFor({"melody.vdm"}));
    EXPECT_FALSE(CVoldrimApp::ShowSplashFor({"/Embedding"}));
    EXPECT_FALSE(CVoldrimApp::ShowSplashFor({"-Automation"}));
    EXPECT_FALSE(CVoldrimApp::ShowSplashFor({"song.vdm", "-Embedding"}));
    EXPECT_TRUE(CVoldrimApp::ShowSplashFor({"/embedding"})) << "the switch is case-sensitive";
    EXPECT_TRUE(CVoldrimApp::ShowSplashFor({"-AUTOMATION"}));
    EXPECT_TRUE(CVoldrimApp::ShowSplashFor({"Embedding"})) << "a switch needs / or -";
}

TEST(StartUp, TheMainWindowIsCentredWithTheFingerboardBesideTheStaff)
{
    CAppHarness app({"song.vdm", "/Automation"});
    CMainFrame* frame = app.Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    // 630 x 470 is the whole window, frame and caption included, centred.
    EXPECT_EQ(frame->frameGeometry().size(), QSize(630, 470));
    EXPECT_EQ(frame->size(), QSize(630, 470).shrunkBy(frame->windowHandle()->frameMargins()));
    const QRect screen = frame->screen()->availableGeometry();
    EXPECT_EQ(frame->frameGeometry().topLeft(), QPoint(screen.left() + (screen.width() - 630) / 2,
                                                       screen.top() + (screen.height() - 470) / 2));
    EXPECT_EQ(frame->GetWindowText(), "Voldrim");
    EXPECT_EQ(AfxGetMainWnd(), frame);
    // A file named on the command line is not opened.
    EXPECT_TRUE(app.Doc()->m_melody.empty());
    EXPECT_EQ(app.Doc()->GetPathName(), "");

    CSplitterWnd* splitter = frame->GetSplitter();
    EXPECT_EQ(app.Fboard()->GetDocument(), app.Doc());
    EXPECT_EQ(app.Staff()->GetDocument(), app.Doc());
    EXPECT_EQ(app.Fboard()->width(), 180);
    EXPECT_TRUE(app.Staff()->isVisible());
    EXPECT_EQ(app.Staff()->x(), 180 + CSplitterWnd::kBarWidth);
    EXPECT_EQ(app.Staff()->x() + app.Staff()->width(), splitter->width());
    int current = 0, minimum = 0;
    splitter->GetColumnInfo(0, current, minimum);
    EXPECT_EQ(minimum, 150);
    // The staff column's minimum comes from the client width at creation.
    CRect client;
    frame->GetClientRect(&client);
    splitter->GetColumnInfo(1, current, minimum);
    EXPECT_EQ(minimum, client.right - 230);
    EXPECT_EQ(splitter->GetIdealWidth(1), client.right - 150);

    // Both views are white.
    CAppHarness::ProcessEvents();
    EXPECT_EQ(app.Fboard()->BackingImage().pixel(90, 200), qRgb(255, 255, 255));
    EXPECT_EQ(app.Staff()->BackingImage().pixel(100, 200), qRgb(255, 255, 255));
}

TEST(StartUp, PlaysTheCelloSoundFromTheCurrentDirectory)
{
    CAppHarness app;
    ASSERT_EQ(app.m_waves.m_paths.size(), 1u);
    EXPECT_EQ(app.m_waves.m_paths[0], QDir::currentPath() + "/cello.wav");
}

TEST(StartUp, TheMainWindowCarriesTheProgramsIcon)
{
    CAppHarness app;
    // It is set once the window has been painted.
    CAppHarness::ProcessEvents();
    constexpr int kSize = 48; // the icon's drawn size: one pixel per unit
    const QImage icon = app.Frame()->windowIcon().pixmap(kSize, kSize).toImage();
    ASSERT_EQ(icon.size(), QSize(kSize, kSize));
    // A brown cello on a green square.
    const QColor body = icon.pixelColor(15, 40), square = icon.pixelColor(4, 24);
    EXPECT_NEAR(body.red(), 0xB5, 8);
    EXPECT_NEAR(body.green(), 0x56, 8);
    EXPECT_NEAR(body.blue(), 0x1B, 8);
    EXPECT_GT(square.green(), 2 * square.red());
    EXPECT_GT(square.green(), 2 * square.blue());
}

TEST(StartUp, AMissingWaveFileStartsSilently)
{
    // The real player, from a directory without the sound.
    CServiceOverride<CWavePlayer> realPlayer(nullptr);
    qputenv("VOLDRIM_WAVE_DEVICE", "null");
    const QString old = QDir::currentPath();
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    {
        CRecordingMidiOutput midi;
        CScriptedResponder responder;
        CVoldrimApp program;
        program.SetArguments({"/Embedding"});
        EXPECT_TRUE(program.InitInstance());
        EXPECT_TRUE(responder.Texts().empty());
    }
    QDir::setCurrent(old);
    qunsetenv("VOLDRIM_WAVE_DEVICE");
}

TEST(StartUp, TheSplashWindowShowsUnlessSwitchedOffAndGoesAtTheFirstClick)
{
    {
        CAppHarness app(QStringList{});
        ASSERT_NE(CSplashWindow::Current(), nullptr);
        EXPECT_TRUE(CSplashWindow::Current()->isVisible());
        EXPECT_EQ(CSplashWindow::Current()->size(), QSize(424, 273));
        // The picture is painted, not a blank window.
        const QImage shown = CSplashWindow::Current()->grab().toImage();
        const QImage picture = CSplashWindow::Current()->Picture().GetImage();
        EXPECT_EQ(shown.pixel(200, 20), picture.pixel(200, 20));
        EXPECT_NE(qGray(shown.pixel(200, 20)), 0);
        // A second request while it shows does nothing.
        CSplashWindow* first = CSplashWindow::Current();
        CSplashWindow::ShowSplashScreen(app.Frame());
        EXPECT_EQ(CSplashWindow::Current(), first);
        QTest::mouseClick(app.Staff(), Qt::LeftButton, {}, QPoint(50, 50));
        CAppHarness::ProcessEvents();
        EXPECT_EQ(CSplashWindow::Current(), nullptr);
    }
    CAppHarness quiet({"-Embedding"});
    EXPECT_EQ(CSplashWindow::Current(), nullptr);
}

// The menu bar as text: pop-ups by name, items with their checks,
// separators as "-".
QStringList Describe(QMenu* menu)
{
    QStringList lines;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            lines << "-";
        else if (action->menu())
            lines << action->text() + " >";
        else
            lines << action->text() + (action->isChecked() ? " [x]" : "");
    }
    return lines;
}

TEST(StartUp, TheMenuHasEveryItemWithItsTextAndStartUpChecks)
{
    CAppHarness app;
    QStringList top;
    for (QAction* action : app.Frame()->menuBar()->actions())
        top << action->text();
    EXPECT_EQ(top, QStringList({"&File", "&Keys", "&Display", "&Options", "&Help"}));

    EXPECT_EQ(Describe(app.Frame()->FindTopMenu("&File")),
              QStringList({"&New Melody\tCtrl+N", "&Open Melody...\tCtrl+O", "-", "&Save Melody...\tCtrl+S",
                           "Save Melody &As...", "&Export Melody...", "&Import Melody...", "-", "&Print...\tCtrl+P",
                           "Print Pre&view", "P&rint Setup...", "-", "E&xit"}));
    EXPECT_EQ(Describe(app.Frame()->FindTopMenu("&Keys")),
              QStringList({"&C Major [x]", "&G Major", "&D Major", "&F Major", "&Bb Major", "-", "C&hromatic"}));
    EXPECT_EQ(Describe(app.Frame()->FindTopMenu("&Display")),
              QStringList({"&Fingerboard and Staff", "Fingerboard and Flash &Card", "&Staff Only", "-",
                           "Show &Me Scores...\tCtrl+M", "Practice &Progress...", "-", "&Erase"}));
    QMenu* options = app.Frame()->FindTopMenu("&Options");
    EXPECT_EQ(Describe(options), QStringList({"&Fingerboard >", "-", "&Staff >", "-", "&Tempo...", "Show &Me...",
                                              "Practise &Weak Notes", "-", "&Continuous Play", "&Listen to My Cello", "-", "&MIDI..."}));
    EXPECT_EQ(Describe(options->actions()[0]->menu()),
              QStringList({"Show &Note Names [x]", "Show &Finger Numbers", "-", "&All Finger Positions",
                           "&Single Finger Position [x]", "-", "&Always Show Open Strings [x]"}));
    EXPECT_EQ(Describe(options->actions()[2]->menu()), QStringList({"&Show Note Names [x]", "&Hide Note Names"}));
    EXPECT_EQ(Describe(app.Frame()->FindTopMenu("&Help")),
              QStringList({"Help &Contents...", "&Help Topics...", "-", "&Mini Lessons...",
                           "&A&ssigning Rhythmic Values...", "-", "&About Voldrim..."}));
}

TEST(StartUp, HelpCommandsOpenTheirContexts)
{
    CAppHarness app;
    app.Choose(ID_HELP_CONTENTS);
    app.Choose(ID_HELP_RHYTHM);
    app.Choose(ID_HELP_LESSONS);
    ASSERT_EQ(app.m_help.m_calls.size(), 3u);
    EXPECT_EQ(app.m_help.m_calls[0].data, 131074u);
    EXPECT_EQ(app.m_help.m_calls[1].data, 25u);
    EXPECT_EQ(app.m_help.m_calls[2].data, 98351u);
    for (const auto& call : app.m_help.m_calls) {
        EXPECT_EQ(call.command, UINT(HELP_CONTEXT));
        EXPECT_TRUE(call.file.endsWith(".HLP"));
    }
    // Every context has a page of its own in the program.
    EXPECT_NE(AfxHelpPageForContext(25), AfxHelpPageForContext(131074));
    EXPECT_NE(AfxHelpPageForContext(98351), AfxHelpPageForContext(131074));
    for (DWORD id : {131074u, 25u, 98351u})
        EXPECT_TRUE(QFile::exists(AfxHelpPageForContext(id))) << id;
}

TEST(StartUp, KeysOfTheAcceleratorTable)
{
    CAppHarness app;
    CMainFrame* frame = app.Frame();
    frame->show();
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    app.Fboard()->setFocus();
    frame->SetActiveView(app.Fboard());

    QTest::keyClick(frame, Qt::Key_F1);
    ASSERT_EQ(app.m_help.m_calls.size(), 1u);
    EXPECT_EQ(app.m_help.m_calls[0].data, 131074u);

    // F6 and Shift+F6 move between the panes.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_EQ(frame->GetActiveView(), app.Staff());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(frame->GetActiveView(), app.Fboard());

    // Cut, copy and paste are bound to commands nothing handles; undo has
    // nothing to undo before a change.
    app.Doc()->m_melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, 48));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(app.Doc()->m_melody.size(), 1u);
    EXPECT_FALSE(app.IsEnabled(ID_EDIT_UNDO));
    app.Doc()->m_melody.clear();

    // An accelerator runs the update handlers, which drop the held keys.
    app.Doc()->m_bHeldW = true;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(app.Doc()->m_bHeldW, 1) << "help has no update handler of the document";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(app.Doc()->m_bHeldW, 0);
}

TEST(StartUp, AboutBoxShowsTheVersion)
{
    CAppHarness app;
    CString shown;
    app.m_responder.ExpectDialog([&](CDialog& dialog) {
        shown = dialog.GetDlgItemText(IDC_VERSION);
        EXPECT_EQ(dialog.windowTitle(), "About Voldrim");
        dialog.ClickButton(IDOK);
        return IDOK;
    });
    app.Choose(ID_APP_ABOUT);
    EXPECT_EQ(shown, "Version 1.1");

    app.m_app->SetVersionText("");
    app.m_responder.ExpectDialog([&](CDialog& dialog) {
        shown = dialog.GetDlgItemText(IDC_VERSION);
        return IDOK;
    });
    app.Choose(ID_APP_ABOUT);
    EXPECT_EQ(shown, "Version Error");
}

TEST(StartUp, ExitClosesTheMainWindow)
{
    CAppHarness app;
    QPointer<CMainFrame> frame = app.Frame();
    app.Choose(ID_APP_EXIT);
    EXPECT_TRUE(frame.isNull() || !frame->isVisible());
}

}
