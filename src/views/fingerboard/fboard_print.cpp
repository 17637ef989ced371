// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/fingerboard/fboard_view.h"

#include "doc/voldrim_doc.h"

BOOL CFboardView::OnPreparePrinting(CPrintInfo* pInfo)
{
    if (CVoldrimDoc* doc = GetDocument())
        doc->m_bPrintDone = false;
    return DoPreparePrinting(pInfo);
}
