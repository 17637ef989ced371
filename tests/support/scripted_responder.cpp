// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_responder.h"

#include <gtest/gtest.h>

CScriptedResponder::CScriptedResponder() = default;

CScriptedResponder::~CScriptedResponder()
{
    EXPECT_TRUE(m_boxAnswers.empty()) << m_boxAnswers.size() << " expected message box(es) never shown";
    EXPECT_TRUE(m_dialogs.empty()) << m_dialogs.size() << " expected dialog(s) never shown";
}

void CScriptedResponder::ExpectMessageBox(int answer)
{
    m_boxAnswers.push_back(answer);
}

void CScriptedResponder::ExpectDialog(std::function<int(CDialog&)> drive)
{
    m_dialogs.push_back(std::move(drive));
}

int CScriptedResponder::OnMessageBox(const CString& text, UINT type)
{
    m_texts.push_back(text);
    m_types.push_back(type);
    if (m_boxAnswers.empty()) {
        ADD_FAILURE() << "unexpected message box: " << text.toStdString();
        return (type & 0xF) == MB_YESNO ? IDNO : IDOK;
    }
    const int answer = m_boxAnswers.front();
    m_boxAnswers.pop_front();
    return answer;
}

int CScriptedResponder::OnDialog(CDialog& dialog)
{
    ++m_nDialogs;
    if (m_dialogs.empty()) {
        ADD_FAILURE() << "unexpected modal dialog";
        return IDCANCEL;
    }
    auto drive = std::move(m_dialogs.front());
    m_dialogs.pop_front();
    return drive(dialog);
}
