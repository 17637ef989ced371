// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The document's printed pages, drawn by the page printer installed.
#include "doc/melody_page_printer.h"
#include "doc/voldrim_doc.h"

void CVoldrimDoc::PrintMelodyNotes(CDC* pDC, CPrintInfo* pInfo)
{
    if (CMelodyPagePrinter* printer = CService<CMelodyPagePrinter>::Get())
        printer->PrintMelodyNotes(*this, *pDC, *pInfo);
    else
        m_bPrintDone = true; // nothing lays the notes out: this page is the last
}

void CVoldrimDoc::PrintPageFrame(CDC* pDC, CPrintInfo* pInfo)
{
    if (CMelodyPagePrinter* printer = CService<CMelodyPagePrinter>::Get())
        printer->PrintPageFrame(*this, *pDC, *pInfo);
}
