// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Show Me Scores: the document's counts of right and wrong answers, and a
// Reset button that sets both to zero at once.
#include "framework/dialog.h"

class CVoldrimDoc;

class CShowMeScoresDlg : public CDialog {
public:
    explicit CShowMeScoresDlg(QWidget* parent = nullptr);

    // Not owned.
    CVoldrimDoc* m_pDoc = nullptr;

protected:
    BOOL OnInitDialog() override;

private:
    void ShowScores();
    void OnReset();
};
