#include "support/app_harness.h"

#include "framework/splitter.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

CAppHarness::CAppHarness(const QStringList& arguments)
{
    AfxSetMidiOutputSystem(&m_midi);
    m_app = std::make_unique<CVoldrimApp>();
    m_app->SetArguments(arguments);
    m_app->InitInstance();
    ProcessEvents();
}

CAppHarness::~CAppHarness()
{
    m_app.reset();
    ProcessEvents();
    AfxSetMidiOutputSystem(nullptr);
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

bool CAppHarness::IsChecked(UINT id)
{
    QAction* action = Frame()->FindMenuAction(id);
    CCmdUI ui(id);
    ui.m_nCheck = action && action->isChecked() ? 1 : 0;
    Frame()->RouteUpdate(&ui);
    return ui.m_nCheck != 0;
}

void CAppHarness::ProcessEvents()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}
