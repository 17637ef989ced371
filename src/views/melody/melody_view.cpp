// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/melody/melody_view.h"

#include "doc/voldrim_doc.h"
#include "framework/command_ids.h"

CMelodyView::CMelodyView()
{
    MapCommand(ID_FILE_PRINT, [this] { OnFilePrint(); });
    MapCommand(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
}

CVoldrimDoc* CMelodyView::MelodyDocument() const
{
    return static_cast<CVoldrimDoc*>(GetDocument());
}

void CMelodyView::OnBeginPrinting(CDC*, CPrintInfo*)
{
    if (CVoldrimDoc* doc = MelodyDocument())
        doc->m_bPrintDone = false;
}

void CMelodyView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    if (!pInfo || !pDC->IsPrinting())
        return;
    pDC->SetMapMode(MM_LOENGLISH);
    const CVoldrimDoc* doc = MelodyDocument();
    if (pInfo->m_bPreview)
        pInfo->m_bContinuePrinting = TRUE;
    else if (doc)
        pInfo->m_bContinuePrinting = doc->m_bPrintDone ? FALSE : TRUE;
}

void CMelodyView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (CVoldrimDoc* doc = MelodyDocument()) {
        doc->PrintMelodyNotes(pDC, pInfo);
        doc->PrintPageFrame(pDC, pInfo);
    }
}

void CMelodyView::OnEndPrinting(CDC* pDC, CPrintInfo*)
{
    pDC->SetMapMode(MM_TEXT);
}
