// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A print job runs until its view says the last page is done, however
// many pages that takes.
#include "framework/view.h"
#include "support/pdf_print_dialogs.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#define VOLDRIM_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VOLDRIM_ADDRESS_SANITIZER
#endif
#endif

namespace {

// A view whose job ends after a given page, and draws nothing on any.
class PagesView : public CView {
public:
    explicit PagesView(UINT lastPage) : m_nLastPage(lastPage) {}
    void OnDraw(CDC*) override {}
    void OnPrepareDC(CDC*, CPrintInfo* info) override
    {
        if (info)
            info->m_bContinuePrinting = info->m_nCurPage <= m_nLastPage;
    }
    void OnPrint(CDC*, CPrintInfo*) override {}

private:
    UINT m_nLastPage;
};

TEST(PrintJob, PrintsPastPage65535)
{
#ifdef VOLDRIM_ADDRESS_SANITIZER
    GTEST_SKIP() << "65,537 pages take minutes under the address sanitizer";
#endif
    constexpr UINT kPages = 65537;
    QTemporaryDir folder;
    const QString path = folder.filePath("pages.pdf");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PagesView view(kPages);
    EXPECT_EQ(view.PrintJob(printer), int(kPages));
    EXPECT_EQ(PdfPageCount(path), int(kPages));
}

} // namespace
