// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers message boxes and modal dialogs in tests. It installs itself for
// its lifetime, answers each box with the next queued answer, keeps every
// text shown, and fails the running test on a box or dialog nobody
// expected, or when an expected one never came.
#include "framework/message_box.h"
#include "framework/ui_responder.h"

#include <deque>
#include <functional>
#include <vector>

class CScriptedResponder : public CUiResponder {
public:
    CScriptedResponder();
    ~CScriptedResponder() override;
    CScriptedResponder(const CScriptedResponder&) = delete;
    CScriptedResponder& operator=(const CScriptedResponder&) = delete;

    // The next message box is answered with this button.
    void ExpectMessageBox(int answer = IDOK);
    // The next modal dialog is driven by this function, whose result
    // DoModal gives.
    void ExpectDialog(std::function<int(CDialog&)> drive);

    // Texts of every message box shown, in order, and their style flags.
    const std::vector<CString>& Texts() const { return m_texts; }
    const std::vector<UINT>& Types() const { return m_types; }
    int DialogCount() const { return m_nDialogs; }

    int OnMessageBox(const CString& text, UINT type) override;
    int OnDialog(CDialog& dialog) override;

private:
    CServiceOverride<CUiResponder> m_installed{this};
    std::deque<int> m_boxAnswers;
    std::deque<std::function<int(CDialog&)>> m_dialogs;
    std::vector<CString> m_texts;
    std::vector<UINT> m_types;
    int m_nDialogs = 0;
};
