// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/help.h"

#include "framework/resources.h"
#include "framework/win_app.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {

// The help window: one small browser window, reused for every topic.
class HelpWindowViewer : public CHelpViewer {
public:
    void ShowHelp(const CString&, UINT command, DWORD data) override
    {
        if (command == HELP_QUIT) {
            if (m_window)
                m_window->close();
            return;
        }
        CString page = command == HELP_CONTEXT ? AfxHelpPageForContext(data) : CString();
        if (page.isEmpty())
            page = AfxHelpPageForContext(0);
        if (!m_window) {
            m_window = new QTextBrowser();
            m_window->setAttribute(Qt::WA_DeleteOnClose);
            m_window->setWindowTitle(AfxGetAppName() + QStringLiteral(" Help"));
            m_window->setOpenLinks(true);
            m_window->resize(560, 480);
        }
        m_window->setSource(QUrl(QStringLiteral("qrc") + page));
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }

private:
    QPointer<QTextBrowser> m_window;
};
}

CHelpViewer* CServiceDefault<CHelpViewer>::Get()
{
    static HelpWindowViewer viewer;
    return &viewer;
}

CString AfxGetHelpFilePath()
{
    const QString program = QCoreApplication::applicationFilePath();
    const QFileInfo info(program);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".HLP");
}
