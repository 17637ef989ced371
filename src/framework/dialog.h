// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modal dialogs built from templates, with data exchange between controls
// and members, validation and window timers. Buttons send their id as a
// command to the dialog; OK exchanges and validates, Cancel does not.
#include "framework/cmd_target.h"
#include "framework/dialog_template.h"
#include "framework/timer_set.h"

#include <QDialog>
#include <functional>
#include <map>
#include <vector>

class CDataExchange;
class QButtonGroup;
class QScrollBar;

// Scroll codes of scroll-bar notifications.
enum ScrollCode : UINT {
    SB_LINEUP = 0, SB_LINELEFT = 0, SB_LINEDOWN = 1, SB_LINERIGHT = 1, SB_PAGEUP = 2, SB_PAGELEFT = 2,
    SB_PAGEDOWN = 3, SB_PAGERIGHT = 3, SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5, SB_TOP = 6, SB_LEFT = 6,
    SB_BOTTOM = 7, SB_RIGHT = 7, SB_ENDSCROLL = 8,
};
// Control notifications.
enum ControlNotify : int { BN_CLICKED = 0, LBN_SELCHANGE = 1, CBN_SELCHANGE = 1, EN_CHANGE = 0x300 };

// The colours of every dialog's background and text (grey and black unless
// the application says otherwise).
void SetDialogBkColor(COLORREF background, COLORREF text);
// Gives a window the dialog colours; message boxes wear them too.
void AfxApplyDialogColors(QWidget* window);

class CDialog : public QDialog, public CCmdTarget {
public:
    explicit CDialog(UINT templateId, QWidget* parent = nullptr);
    // A dialog from a template that is not among the program's resources.
    explicit CDialog(const DialogTemplate* dialogTemplate, QWidget* parent = nullptr);
    ~CDialog() override;

    // Builds the dialog, initialises it and runs it; IDOK or IDCANCEL.
    virtual int DoModal();
    void EndDialog(int result);
    bool IsEnded() const { return m_ended; }

    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    QWidget* GetDlgItem(UINT id) const;
    template <class T>
    T* GetDlgItemAs(UINT id) const { return qobject_cast<T*>(GetDlgItem(id)); }
    void SetDlgItemText(UINT id, const CString& text);
    CString GetDlgItemText(UINT id) const;
    void ShowDlgItem(UINT id, bool show);

    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs) { return m_timers.SetTimer(id, elapseMs); }
    BOOL KillTimer(UINT_PTR id) { return m_timers.KillTimer(id); }
    CTimerSet& Timers() { return m_timers; }

    void CenterWindow();
    UINT TemplateId() const { return m_nTemplateId; }

    // What a user does, for tests and responders: press a button, pick
    // an entry of a list or combo box, put a whole text into an edit
    // control (past its typing limit, as the program itself may).
    void ClickButton(UINT id);
    void SelectListEntry(UINT id, int index);
    void TypeText(UINT id, const CString& text);

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnTimer(UINT_PTR id);
    virtual void OnHScroll(UINT code, UINT pos, QScrollBar* bar);
    virtual void OnVScroll(UINT code, UINT pos, QScrollBar* bar);
    // Notifications other than button clicks (selection changes).
    void MapNotify(UINT id, int code, std::function<void()> handler);

    void reject() override; // Escape and the close box: Cancel
    void accept() override; // Enter: the default button

private:
    void BuildControls();
    void ApplyDialogLook();
    // The controls of the template, one builder a kind (dialog_controls.cpp).
    void CreateControls(const std::vector<DialogControlTemplate>& controls);
    QWidget* CreateControl(const DialogControlTemplate& c, QButtonGroup*& radioGroup);
    QWidget* CreatePushButton(const DialogControlTemplate& c);
    QWidget* CreateListBox(const DialogControlTemplate& c);
    QWidget* CreateComboBox(const DialogControlTemplate& c);
    QWidget* CreateScrollBar(const DialogControlTemplate& c);
    QWidget* CreateRadioButton(const DialogControlTemplate& c, QButtonGroup*& radioGroup);
    void OnScrollAction(QScrollBar* bar, bool vertical, UINT code);
    void SendScroll(QScrollBar* bar, bool vertical, UINT code, UINT pos);
    void PlaceControl(const DialogControlTemplate& c, QWidget* w);
    void Notify(UINT id, int code);

    UINT m_nTemplateId;
    const DialogTemplate* m_template = nullptr;
    bool m_built = false;
    bool m_ended = false;
    int m_nResult = 2;
    std::map<UINT, QWidget*> m_controls;
    std::map<std::pair<UINT, int>, std::function<void()>> m_notify;
    UINT m_nDefaultButton = 0;
    CTimerSet m_timers;
};

#include "framework/data_exchange.h"
