// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CView: the print job and the print preview, run through the view's
// print steps.
#include "framework/message_box.h"
#include "framework/print_dialogs.h"
#include "framework/view.h"
#include "framework/win_app.h"

#include <QPrinter>

#include <algorithm>
#include <limits>

namespace {

// A job whose length no view announces ends when its view says so: the
// document prints every page its melody fills, however many.
constexpr UINT kLastPage = std::numeric_limits<UINT>::max();

// The pages the print dialog asked for: all, or a range from its first page.
struct PageRange {
    UINT first = 1;
    UINT last = kLastPage;
};

PageRange PagesAskedFor(const QPrinter& printer)
{
    PageRange range;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        range.first = UINT(printer.fromPage());
        range.last = std::max(range.first, UINT(printer.toPage()));
    }
    return range;
}

// The printable area in the logical units of the prepared device context.
CRect DrawingRect(const CDC& dc)
{
    CRect rc(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    dc.DPtoLP(&rc);
    return rc;
}

// The pages of a preview drawn by the view's print steps.
class ViewPreviewPages : public CPreviewPages {
public:
    explicit ViewPreviewPages(CView& view) : m_view(view) {}
    void DrawPreview(QPrinter& printer, int count) override
    {
        CPrintInfo info;
        info.m_pPrinter = &printer;
        info.m_bPreview = TRUE;
        CDC dc(&printer);
        dc.SetPrinting(TRUE);
        m_view.PrintPages(dc, info, 1, UINT(count));
    }
    void Print(QPrinter& printer) override { m_view.RunPrintJob(printer); }

private:
    CView& m_view;
};

} // namespace

void CView::OnFilePrint()
{
    CPrintInfo info;
    if (PrepareJob(info, FALSE))
        RunPrintJob(*info.m_pPrinter);
}

void CView::OnFilePrintPreview()
{
    CPrintInfo info;
    if (!PrepareJob(info, TRUE))
        return;
    CDC dc(info.m_pPrinter);
    dc.SetPrinting(TRUE);
    OnBeginPrinting(&dc, &info);
    ViewPreviewPages pages(*this);
    AfxGetPrintDialogs()->Preview(*info.m_pPrinter, pages);
    OnEndPrinting(&dc, &info);
}

bool CView::PrepareJob(CPrintInfo& info, BOOL preview)
{
    info.m_pPrinter = AfxGetPrinter();
    info.m_bPreview = preview;
    return info.m_pPrinter && OnPreparePrinting(&info);
}

void CView::RunPrintJob(QPrinter& printer)
{
    if (PrintJob(printer) < 0)
        AfxMessageBox(CString("The pages could not be printed."));
}

int CView::PrintJob(QPrinter& printer)
{
    CPrintInfo info;
    info.m_pPrinter = &printer;
    CDC dc(&printer);
    dc.SetPrinting(TRUE);
    OnBeginPrinting(&dc, &info);
    const PageRange pages = PagesAskedFor(printer);
    const int printed = PrintPages(dc, info, pages.first, pages.last);
    OnEndPrinting(&dc, &info);
    return printed;
}

int CView::PrintPages(CDC& dc, CPrintInfo& info, UINT firstPage, UINT lastPage)
{
    QPrinter& printer = *info.m_pPrinter;
    int printed = 0;
    for (UINT page = firstPage; page <= lastPage; ++page) {
        info.m_nCurPage = page;
        OnPrepareDC(&dc, &info);
        if (!info.m_bContinuePrinting)
            break;
        // The painter opens the first page; every further page is a new one.
        if (!dc.GetPainter() || (printed > 0 && !printer.newPage())) {
            printed = -1;
            break;
        }
        info.m_rectDraw = DrawingRect(dc);
        OnPrint(&dc, &info);
        ++printed;
    }
    // Ending the painter finishes the document.
    dc.ReleasePainter();
    return printed;
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    // The preview shows the pages on the printer as it is set up.
    if (pInfo->m_bPreview)
        return TRUE;
    return AfxGetPrintDialogs()->ChoosePrinter(*pInfo->m_pPrinter) ? TRUE : FALSE;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    if (pInfo)
        pInfo->m_bContinuePrinting = pInfo->m_nCurPage == 1;
}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}
