// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/win_app.h"

#include "framework/command_ids.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/help.h"
#include "framework/view.h"
#include "framework/resources.h"

#include <QCoreApplication>
#include <QObject>
#include <QPrinter>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CFrameWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

CString AfxGetAppName()
{
    const CString title = AfxLoadString(AFX_IDS_APP_TITLE);
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

CWinApp::CWinApp()
{
    g_app = this;
    // Exit closes the main window, which asks first whether to save.
    MapCommand(ID_APP_EXIT, [this] {
        if (m_pMainWnd)
            m_pMainWnd->SendClose();
    });
}

// Hands every event to the application before it is delivered; none is
// swallowed.
class CWinApp::MessageFilter : public QObject {
public:
    explicit MessageFilter(CWinApp* app) : m_app(app) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        m_app->PreTranslateMessage(event);
        return false;
    }

private:
    CWinApp* m_app;
};

void CWinApp::InstallMessageFilter()
{
    if (m_pFilter || !QCoreApplication::instance())
        return;
    m_pFilter = new MessageFilter(this);
    QCoreApplication::instance()->installEventFilter(m_pFilter);
}

CWinApp::~CWinApp()
{
    if (m_pFilter && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(m_pFilter);
    delete m_pFilter;
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::PreTranslateMessage(QEvent*) {}

void CWinApp::AddDocTemplate(CSingleDocTemplate* docTemplate)
{
    m_template.reset(docTemplate);
}

void CWinApp::OnFileNew()
{
    if (m_template)
        m_template->OpenDocumentFile(nullptr);
}

void CWinApp::WinHelp(DWORD data, UINT command)
{
    AfxGetHelpViewer()->ShowHelp(AfxGetHelpFilePath(), command, data);
}

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, std::function<CDocument*()> newDocument,
                                       std::function<CFrameWnd*()> newFrame, std::function<CView*()> newView)
    : m_nResourceId(resourceId),
      m_newDocument(std::move(newDocument)),
      m_newFrame(std::move(newFrame)),
      m_newView(std::move(newView))
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    // The frame goes first: its views still point at the document.
    delete m_pFrame;
    delete m_pDocument;
}

CString CSingleDocTemplate::GetDocString(int index) const
{
    const QStringList parts = AfxLoadString(m_nResourceId).split(QLatin1Char('\n'));
    return index >= 0 && index < parts.size() ? parts[index] : CString();
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const CString* path, BOOL makeVisible)
{
    bool created = false;
    if (!m_pDocument) {
        m_pDocument = m_newDocument();
        if (!m_pDocument)
            return nullptr;
        CCreateContext context;
        context.m_pCurrentDoc = m_pDocument;
        context.m_newView = m_newView;
        m_pFrame = m_newFrame();
        QObject::connect(m_pFrame, &QObject::destroyed, [this] { m_pFrame = nullptr; });
        m_pFrame->SetWindowText(GetDocString(0));
        if (CWinApp* app = AfxGetApp(); app && !app->m_pMainWnd)
            app->m_pMainWnd = m_pFrame;
        if (!m_pFrame->LoadFrame(m_nResourceId, &context)) {
            delete m_pFrame;
            return nullptr;
        }
        created = true;
    } else if (!m_pDocument->SaveModified()) {
        // The user kept the melody, or it could not be saved.
        return nullptr;
    }
    if (!path) {
        if (!m_pDocument->OnNewDocument())
            return nullptr;
    } else if (!OpenIntoDocument(*path)) {
        return nullptr;
    }
    if (!m_pFrame)
        return m_pDocument;
    // The initial update: every view repaints; the first pane gets the focus.
    for (CView* view : m_pDocument->GetViews())
        view->OnInitialUpdate();
    if (created) {
        const auto& views = m_pDocument->GetViews();
        if (!m_pFrame->GetActiveView() && !views.empty()) {
            m_pFrame->SetActiveView(views.front());
        }
    }
    if (makeVisible) {
        m_pFrame->show();
        if (CView* active = m_pFrame->GetActiveView())
            active->SetFocus();
    }
    return m_pDocument;
}
