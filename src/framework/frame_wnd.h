// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main frame: a top-level window with the menu bar and accelerator
// keys of its resource, a client area, and the command route. Commands go
// to the active view, then the document, then the frame, then the
// application. Update handlers run only when a menu is about to show and
// when an accelerator key is pressed.
#include "framework/cmd_target.h"
#include "framework/context_help.h"
#include "framework/wnd_class.h"

#include <QMainWindow>
#include <map>

class CDocument;
class CView;
class QAction;
class QMenu;
struct CCreateContext;
struct MenuItemTemplate;

class CFrameWnd : public QMainWindow, public CCmdTarget {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the window with the menu and accelerators of resourceId.
    BOOL LoadFrame(UINT resourceId, CCreateContext* context);

    CView* GetActiveView() const { return m_pActiveView; }
    void SetActiveView(CView* view);
    CDocument* GetActiveDocument() const;

    void SetWindowText(const CString& text) { setWindowTitle(text); }
    CString GetWindowText() const { return windowTitle(); }
    // Centres the whole window, frame and caption included, on its screen.
    void CenterWindow();
    // Where a window of that outer size goes, centred in the area.
    static QPoint CentredTopLeft(const QRect& area, QSize outer);
    // The client area below the menu bar, in client coordinates.
    void GetClientRect(CRect* rc) const;

    // Routes a command, starting at the given view (or the active one).
    bool RouteCommand(UINT id, CView* first = nullptr);
    // Runs the update handler found on the route; items that have neither
    // an update nor a command handler are disabled.
    void RouteUpdate(CCmdUI* ui);
    // What the accelerator does: update first, run only when enabled.
    bool RunCommandIfEnabled(UINT id);
    // Brings the menu items of one pop-up up to date (what opening it does).
    // An item has a tick box only when its update handler sets its check.
    void UpdateMenu(QMenu* menu);

    QAction* FindMenuAction(UINT id) const;
    QMenu* FindTopMenu(const CString& text) const;
    const std::map<UINT, QAction*>& MenuActions() const { return m_actions; }

    // Shift+F1: the next click or chosen command names the help topic.
    void OnContextHelp();

    // The close box, Exit and the Exit button all end here: the document
    // is asked whether to save its changes first, and the help window
    // closes with the main window.
    void SendClose() { close(); }
    // Closes without asking: the user has answered already, or the
    // program must end now.
    void CloseWithoutAsking();

protected:
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // The base creates the client area through OnCreateClient.
    virtual int OnCreate(CCreateContext* context);
    virtual BOOL OnCreateClient(CCreateContext* context);
    virtual void OnNextPane(bool forward);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The size asked for at creation is the whole window's; the client gets
    // what the frame and caption leave, once their size is known.
    void FitOuterSize();
    void MoveCentred(QSize outer);

    void BuildMenu(QMenu* menu, const std::vector<MenuItemTemplate>& items);
    void BuildAccelerators(UINT resourceId);

    CView* m_pActiveView = nullptr;
    CDocument* m_pDocument = nullptr;
    std::map<UINT, QAction*> m_actions;
    UINT m_nIDHelp = 0;
    CContextHelpMode m_helpMode;
    QSize m_outerSize;
    QMargins m_fittedMargins;
    bool m_bCentred = false;
    bool m_bCloseAnswered = false;
};
