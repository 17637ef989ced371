// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the fingerboard and the staff side by side in a
// splitter, and the three display modes that set the column widths.
#include "framework/frame_wnd.h"

#include <memory>

class CCelloListening;
class CPracticeLog;
template <class T>
class CServiceOverride;

class CSplitterWnd;
class CVoldrimDoc;

class CMainFrame : public CFrameWnd {
public:
    CMainFrame();
    ~CMainFrame() override;

    CSplitterWnd* GetSplitter() const { return m_pSplitter; }

    void OnFingerboardAndStaff();
    void OnFlashCard();
    void OnStaffOnly();

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    int OnCreate(CCreateContext* context) override;
    BOOL OnCreateClient(CCreateContext* context) override;

private:
    CVoldrimDoc* GetVoldrimDoc() const;
    void EndQuestionIfRunning();
    void EnableWhileIdle(CCmdUI* ui);
    void OnShowMeOptions();
    void OnShowMeScores();
    void OnPracticeProgress();
    void OnWeakNotes();
    void OnHelp();
    void OnHelpFinder();

    CSplitterWnd* m_pSplitter = nullptr;
    // The staff column's minimum beside the fingerboard, as set at start.
    int m_nStaffMinimum = 0;
    std::unique_ptr<CCelloListening> m_pListening;
    // The practice history of the run, which Show Me records into and
    // chooses weak notes from while the window lives.
    std::unique_ptr<CPracticeLog> m_pPracticeLog;
    std::unique_ptr<CServiceOverride<CPracticeLog>> m_pPracticeLogInstalled;
};
