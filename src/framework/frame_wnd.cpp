// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/frame_wnd.h"
#include "framework/resources.h"

#include "framework/command_ids.h"
#include "framework/document.h"
#include "framework/help.h"
#include "framework/late_icon_style.h"
#include "framework/menu_template.h"
#include "framework/view.h"
#include "framework/win_app.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <algorithm>

CFrameWnd::CFrameWnd()
    : m_helpMode(this, [](DWORD context) { AfxGetHelpViewer()->ShowHelp(AfxGetHelpFilePath(), HELP_CONTEXT, context); })
{
    setAttribute(Qt::WA_DeleteOnClose);
}

CFrameWnd::~CFrameWnd()
{
    if (CWinApp* app = AfxGetApp()) {
        if (app->m_pMainWnd == this)
            app->m_pMainWnd = nullptr;
    }
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, CCreateContext* context)
{
    CREATESTRUCT cs;
    cs.x = 0;
    cs.y = 0;
    cs.cx = 640;
    cs.cy = 480;
    cs.style = WS_OVERLAPPEDWINDOW;
    if (!PreCreateWindow(cs))
        return FALSE;
    m_pDocument = context ? context->m_pCurrentDoc : nullptr;
    m_nIDHelp = resourceId;
    // Before the menu bar is made, which asks the style for icons.
    AfxUseLateIconStyle();
    BuildMenu(nullptr, AfxGetMenuTemplate(resourceId));
    BuildAccelerators(resourceId);
    // The frame's outer size is what the window asks for, frame and caption
    // included; the client area is what remains below the menu bar. A window
    // manager's frame is known only once it has framed the window.
    m_outerSize = QSize(cs.cx, cs.cy);
    move(cs.x, cs.y);
    resize(m_outerSize);
    winId();
    windowHandle()->installEventFilter(this);
    FitOuterSize();
    if (!cs.lpszName.isEmpty())
        setWindowTitle(cs.lpszName);
    return OnCreate(context) == -1 ? FALSE : TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT&)
{
    return TRUE;
}

int CFrameWnd::OnCreate(CCreateContext* context)
{
    return OnCreateClient(context) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(CCreateContext* context)
{
    if (!context || !context->m_newView)
        return TRUE;
    CView* view = context->m_newView();
    if (!view || !view->CreateView(this, context->m_pCurrentDoc, CSize(100, 100))) {
        delete view;
        return FALSE;
    }
    setCentralWidget(view);
    return TRUE;
}

void CFrameWnd::SetActiveView(CView* view)
{
    m_pActiveView = view;
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    if (m_pActiveView && m_pActiveView->GetDocument())
        return m_pActiveView->GetDocument();
    return m_pDocument;
}

void CFrameWnd::CenterWindow()
{
    MoveCentred(size().grownBy(windowHandle() ? windowHandle()->frameMargins() : QMargins()));
}

QPoint CFrameWnd::CentredTopLeft(const QRect& area, QSize outer)
{
    // On a screen smaller than the window, its top-left corner stays on
    // the screen, and with it the menu bar.
    return QPoint(area.left() + std::max(0, (area.width() - outer.width()) / 2),
                  area.top() + std::max(0, (area.height() - outer.height()) / 2));
}

// The window's geometry may not yet show a size just asked for, so the
// whole window's size is given.
void CFrameWnd::MoveCentred(QSize outer)
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    move(CentredTopLeft(screen->availableGeometry(), outer));
    m_bCentred = true;
}

void CFrameWnd::FitOuterSize()
{
    const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (margins == m_fittedMargins || isMaximized() || isFullScreen())
        return;
    m_fittedMargins = margins;
    resize(m_outerSize.shrunkBy(margins));
    if (m_bCentred)
        MoveCentred(m_outerSize);
}

bool CFrameWnd::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose)
        FitOuterSize();
    return QMainWindow::eventFilter(watched, event);
}

void CFrameWnd::CloseWithoutAsking()
{
    m_bCloseAnswered = true;
    close();
}

void CFrameWnd::closeEvent(QCloseEvent* event)
{
    CDocument* doc = GetActiveDocument();
    if (!m_bCloseAnswered && doc && !doc->SaveModified()) {
        event->ignore();
        return;
    }
    m_bCloseAnswered = true;
    // The help window belongs to the program: it would keep the program
    // running on its own.
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        AfxGetHelpViewer()->ShowHelp(AfxGetHelpFilePath(), HELP_QUIT, 0);
    QMainWindow::closeEvent(event);
}

void CFrameWnd::GetClientRect(CRect* rc) const
{
    // The frame less its menu bar. Worked out from the frame itself, since
    // the client widget has no size of its own until the first layout.
    const QMenuBar* bar = menuBar();
    const int menuHeight = bar->isVisible() ? bar->height() : bar->sizeHint().height();
    *rc = CRect(0, 0, width(), std::max(0, height() - menuHeight));
}

bool CFrameWnd::RouteCommand(UINT id, CView* first)
{
    CView* view = first ? first : m_pActiveView;
    if (view && view->OnCmdMsg(id))
        return true;
    CDocument* doc = view && view->GetDocument() ? view->GetDocument() : GetActiveDocument();
    if (doc && doc->OnCmdMsg(id))
        return true;
    if (OnCmdMsg(id))
        return true;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id);
}

void CFrameWnd::RouteUpdate(CCmdUI* ui)
{
    const UINT id = ui->m_nID;
    CView* view = m_pActiveView;
    CDocument* doc = GetActiveDocument();
    CWinApp* app = AfxGetApp();
    CCmdTarget* route[] = {view, doc, this, app};
    for (CCmdTarget* target : route) {
        if (target && target->OnUpdateCmdMsg(ui))
            return;
    }
    bool handled = false;
    for (CCmdTarget* target : route)
        handled = handled || (target && target->HasCommandHandler(id));
    ui->Enable(handled);
}

bool CFrameWnd::RunCommandIfEnabled(UINT id)
{
    CCmdUI ui(id);
    RouteUpdate(&ui);
    if (!ui.m_bEnabled)
        return false;
    return RouteCommand(id);
}

namespace {
// A menu item's state as its update handler leaves it. Only an item whose
// handler sets its check can carry a tick; any other has no tick box.
class CMenuCmdUI : public CCmdUI {
public:
    CMenuCmdUI(UINT id, QAction* action) : CCmdUI(id), m_action(action) {}
    void SetCheck(int check) override
    {
        CCmdUI::SetCheck(check);
        m_bCheckSet = true;
    }
    void Apply()
    {
        m_action->setEnabled(m_bEnabled);
        m_action->setCheckable(m_bCheckSet);
        m_action->setChecked(m_bCheckSet && m_nCheck != 0);
    }

private:
    QAction* m_action;
    bool m_bCheckSet = false;
};
}

void CFrameWnd::UpdateMenu(QMenu* menu)
{
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || action->menu())
            continue;
        CMenuCmdUI ui(action->data().toUInt(), action);
        RouteUpdate(&ui);
        ui.Apply();
    }
}

void CFrameWnd::BuildMenu(QMenu* menu, const std::vector<MenuItemTemplate>& items)
{
    for (const MenuItemTemplate& item : items) {
        const QString text = QString::fromLatin1(item.text);
        if (item.flags & MF_SEPARATOR) {
            menu->addSeparator();
        } else if (item.flags & MF_POPUP) {
            QMenu* sub = menu ? menu->addMenu(text) : menuBar()->addMenu(text);
            BuildMenu(sub, item.items);
            connect(sub, &QMenu::aboutToShow, this, [this, sub] { UpdateMenu(sub); });
        } else if (menu) {
            QAction* action = menu->addAction(text);
            action->setData(item.id);
            // The template's check is the item's tick until its menu first
            // opens; from then on its update handler decides.
            const bool startsChecked = (item.flags & MF_CHECKED) != 0;
            action->setCheckable(startsChecked);
            action->setChecked(startsChecked);
            // The accelerator table, not the menu, owns the keys.
            action->setShortcutContext(Qt::WidgetShortcut);
            const UINT id = item.id;
            connect(action, &QAction::triggered, this, [this, action, id](bool checked) {
                // Choosing a tickable item flips its tick; only the update
                // handlers may set it, so the flip is undone.
                if (action->isCheckable())
                    action->setChecked(!checked);
                if (!m_helpMode.TakeCommand(id))
                    RouteCommand(id);
            });
            m_actions[id] = action;
        }
    }
}

void CFrameWnd::BuildAccelerators(UINT resourceId)
{
    for (const AcceleratorTemplate& accel : AfxGetAcceleratorTable(resourceId)) {
        auto* shortcut = new QShortcut(QKeySequence(accel.key), this);
        shortcut->setContext(Qt::WindowShortcut);
        const UINT id = accel.id;
        connect(shortcut, &QShortcut::activated, this, [this, id] {
            if (m_helpMode.TakeCommand(id))
                return;
            if (id == ID_NEXT_PANE || id == ID_PREV_PANE) {
                OnNextPane(id == ID_NEXT_PANE);
                return;
            }
            RunCommandIfEnabled(id);
        });
    }
}

void CFrameWnd::OnContextHelp()
{
    m_helpMode.Enter(HID_BASE_RESOURCE + m_nIDHelp);
}

void CFrameWnd::OnNextPane(bool forward)
{
    std::vector<CView*> views;
    // Views carry no meta-object of their own: find them by their C++ type.
    for (QWidget* child : findChildren<QWidget*>()) {
        auto* view = dynamic_cast<CView*>(child);
        if (view && view->isVisible())
            views.push_back(view);
    }
    if (views.empty())
        return;
    auto it = std::find(views.begin(), views.end(), m_pActiveView);
    int index = it == views.end() ? 0 : int(it - views.begin());
    const int n = int(views.size());
    index = forward ? (index + 1) % n : (index + n - 1) % n;
    views[size_t(index)]->SetFocus();
    SetActiveView(views[size_t(index)]);
}

QAction* CFrameWnd::FindMenuAction(UINT id) const
{
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* CFrameWnd::FindTopMenu(const CString& text) const
{
    for (QAction* action : menuBar()->actions()) {
        if (action->menu() && action->text() == text)
            return action->menu();
    }
    return nullptr;
}
