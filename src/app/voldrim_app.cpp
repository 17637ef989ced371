// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/voldrim_app.h"

#include "app/about_dlg.h"
#include "app/command_line.h"
#include "app/main_frame.h"
#include "app/splash_window.h"
#include "doc/voldrim_doc.h"
#include "framework/bitmaps_ahead.h"
#include "framework/dialog.h"
#include "framework/help.h"
#include "framework/main_window_shows.h"
#include "framework/native_path.h"
#include "framework/resources.h"
#include "quiz/show_me_commands.h"
#include "res/resource.h"
#include "res/program_resources.h"
#include "views/fingerboard/fboard_view.h"
#include "views/staff/staff_view.h"

#include <QApplication>
#include <QIcon>

CVoldrimApp* VoldrimApp()
{
    return static_cast<CVoldrimApp*>(AfxGetApp());
}

CVoldrimApp::CVoldrimApp()
{
    RegisterProgramResources();
    MapCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
    MapCommand(ID_HELP_CONTENTS, [this] { WinHelp(HELP_CONTEXT_CONTENTS, HELP_CONTEXT); });
    MapCommand(ID_HELP_RHYTHM, [this] { WinHelp(HELP_CONTEXT_RHYTHM, HELP_CONTEXT); });
    MapCommand(ID_HELP_LESSONS, [this] { WinHelp(HELP_CONTEXT_LESSONS, HELP_CONTEXT); });
    MapCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    MapCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    MapCommand(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    MapCommand(ID_FILE_EXPORT, [this] { OnFileExport(); });
    MapCommand(ID_FILE_IMPORT, [this] { OnFileImport(); });
}

CVoldrimApp::~CVoldrimApp() = default;

bool CVoldrimApp::ShowSplashFor(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QLatin1Char('/')) && !argument.startsWith(QLatin1Char('-')))
            continue;
        const QString flag = argument.mid(1);
        if (flag == QLatin1String("Embedding") || flag == QLatin1String("Automation"))
            return false;
    }
    return true;
}

void CVoldrimApp::OpenWhenShown(const CString& path)
{
    // The path File Open's dialog would give, so that Save writes where
    // the melody came from.
    const CString absolute = AfxAbsolutePath(path);
    // As File Open after its dialog: on screen, where what went wrong can
    // be said over the window.
    AfxCallWhenMainWindowShows([absolute] {
        if (CWinApp* app = AfxGetApp())
            app->OpenDocumentFile(absolute);
    });
}

BOOL CVoldrimApp::InitInstance()
{
    // The command line decides the splash window, and names the melody
    // to open with --open; a file named without it is not opened.
    CSplashWindow::EnableSplashScreen(ShowSplashFor(m_arguments));

    InstallMessageFilter();
    SetDialogBkColor(RGB(192, 192, 192), RGB(0, 0, 0));
    // The program's icon on the main window and every dialog. It is drawn
    // from its SVG picture by Qt's plugin for such icons, loaded for it:
    // the window shows sooner without it and takes it a moment later.
    AfxCallWhenMainWindowPainted(
        [] { QApplication::setWindowIcon(QIcon(AfxBitmapPath(QString::number(IDR_MAINFRAME)))); });

    m_strVersion = AfxLoadString(IDS_VERSION);

    AddDocTemplate(new CSingleDocTemplate(
        IDR_MAINFRAME, [] { return new CVoldrimDoc(); }, [] { return new CMainFrame(); },
        [] { return new CStaffView(); }));

    {
        // The buttons' pictures render while the document and the window
        // are made.
        std::vector<QByteArray> pictures = CFboardView::FirstPictures();
        for (QByteArray& picture : CStaffView::FirstPictures())
            pictures.push_back(std::move(picture));
        const CBitmapsAhead picturesAhead(pictures);
        OnFileNew();
    }
    if (auto* doc = static_cast<CVoldrimDoc*>(GetDocTemplate()->GetDocument()))
        LoadWeakNotesOption(*doc);
    if (const CommandLineRequest request = ReadCommandLine(m_arguments);
        request.action == CommandLineRequest::OpenMelody)
        OpenWhenShown(request.melodyPath);
    return m_pMainWnd != nullptr;
}

void CVoldrimApp::PreTranslateMessage(QEvent* event)
{
    CSplashWindow::PreTranslateAppMessage(event);
    CWinApp::PreTranslateMessage(event);
}

void CVoldrimApp::OnAppAbout()
{
    CAboutDlg about(m_strVersion, m_pMainWnd);
    about.DoModal();
}
