// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Context help, as Shift+F1 starts it: the cursor turns into a question
// mark and the next click says what help is wanted for. A click in the
// window opens the window's topic; a menu item chosen meanwhile opens the
// topic of its command instead of running it; the right button, Escape or
// leaving the program ends the mode without help.
#include "framework/types.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

class CContextHelpMode : public QObject {
public:
    using ShowTopic = std::function<void(DWORD context)>;
    CContextHelpMode(QWidget* window, ShowTopic showTopic);
    ~CContextHelpMode() override;

    // Starts the mode; the window's own topic answers a click in it.
    void Enter(DWORD windowContext);
    bool IsActive() const { return m_bActive; }
    // A command chosen while the mode is on: opens its topic and ends the
    // mode. False, and nothing done, when the mode is off.
    bool TakeCommand(UINT id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnMousePress(QObject* watched, QEvent* event);
    void Leave();

    QPointer<QWidget> m_window;
    ShowTopic m_showTopic;
    DWORD m_windowContext = 0;
    bool m_bActive = false;
    // The release of the click that ended the mode goes nowhere either.
    bool m_bSwallowRelease = false;
};
