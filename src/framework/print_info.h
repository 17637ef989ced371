// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a print job tells a view about the page it is to print, and what the
// view tells the job back.
#include "framework/types.h"

class QPrinter;

struct CPrintInfo {
    // The printer the pages go to (in a preview, the preview's own).
    QPrinter* m_pPrinter = nullptr;
    // The pages are drawn for the print preview, not for paper.
    BOOL m_bPreview = FALSE;
    // The view's OnPrepareDC clears it to end the job before this page.
    BOOL m_bContinuePrinting = TRUE;
    // The page being printed, from 1.
    UINT m_nCurPage = 1;
    // The printable area of the page, in the logical units of the device
    // context as the view prepared it.
    CRect m_rectDraw;
};
