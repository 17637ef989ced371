// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chooses files in place of the user in the Open and Save As dialogs. It
// installs itself for its lifetime, answers each dialog with the next
// queued file name (empty: Cancel) and, when asked for it, the filter it
// was chosen under; keeps every request, and fails the running test on a
// dialog nobody expected, or when an expected one never came.
#include "framework/file_dialog.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

class CScriptedFileDialog : public CFileDialogService {
public:
    CScriptedFileDialog() = default;
    ~CScriptedFileDialog() override
    {
        EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " expected file dialog(s) never shown";
    }
    CScriptedFileDialog(const CScriptedFileDialog&) = delete;
    CScriptedFileDialog& operator=(const CScriptedFileDialog&) = delete;

    void Expect(const CString& chosenFile, const CString& chosenFilter = CString())
    {
        m_answers.push_back({chosenFile, chosenFilter});
    }
    const std::vector<CFileDialogRequest>& Requests() const { return m_requests; }

    CString ChooseFile(const CFileDialogRequest& request, QWidget*) override
    {
        m_requests.push_back(request);
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return CString();
        }
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        if (request.m_pChosenFilter)
            *request.m_pChosenFilter = answer.filter;
        return answer.file;
    }

private:
    struct Answer {
        CString file;
        CString filter;
    };
    std::deque<Answer> m_answers;
    std::vector<CFileDialogRequest> m_requests;
    CServiceOverride<CFileDialogService> m_installed{this};
};
