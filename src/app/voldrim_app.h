// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object: starts the program, owns the document template
// and answers the About and help commands.
#include "framework/service.h"
#include "framework/win_app.h"
#include "print/melody_pages.h"

#include <QStringList>

class CVoldrimApp : public CWinApp {
public:
    CVoldrimApp();
    ~CVoldrimApp() override;

    BOOL InitInstance() override;
    // Every message passes the splash window first; none is swallowed.
    void PreTranslateMessage(QEvent* event) override;

    // Whether the command line lets the splash window show: not when it
    // holds "Embedding" or "Automation" after "/" or "-".
    static bool ShowSplashFor(const QStringList& arguments);

    void SetArguments(const QStringList& arguments) { m_arguments = arguments; }
    const CString& GetVersionText() const { return m_strVersion; }
    void SetVersionText(const CString& text) { m_strVersion = text; }

    void OnAppAbout();
    // File, Export Melody (file_export.cpp).
    void OnFileExport();
    // File, Import Melody (file_import.cpp).
    void OnFileImport();

private:
    // Opens the melody file as File Open does, once the main window shows.
    static void OpenWhenShown(const CString& path);

    CString m_strVersion;
    QStringList m_arguments;
    // The printed pages of the melody, for as long as the program runs.
    CMelodyPages m_melodyPages;
    CServiceOverride<CMelodyPagePrinter> m_melodyPagesInstalled{&m_melodyPages};
};

CVoldrimApp* VoldrimApp();
