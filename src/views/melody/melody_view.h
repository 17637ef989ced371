// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What both views of the melody share: File Print and Print Preview. Their
// pages are the document's; the view only prepares the device context and
// hands each page over.
#include "framework/view.h"

class CVoldrimDoc;

class CMelodyView : public CView {
public:
    CMelodyView();

    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    // Pages are laid out in hundredths of an inch; paper ends after the page
    // with the last note, a preview offers every page.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

private:
    CVoldrimDoc* MelodyDocument() const;
};
