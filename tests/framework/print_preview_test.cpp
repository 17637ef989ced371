// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real print preview window: it pages on past the last page it offers.
#include "framework/print_dialogs.h"

#include <QActionGroup>
#include <QApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

// Numbered pages; keeps how many each drawing of the preview asked for.
class NumberedPages : public CPreviewPages {
public:
    void DrawPreview(QPrinter& printer, int count) override
    {
        m_counts.push_back(count);
        QPainter painter(&printer);
        for (int page = 1; page <= count; ++page) {
            if (page > 1)
                printer.newPage();
            painter.drawText(100, 100, QString::number(page));
        }
    }
    void Print(QPrinter&) override { ++m_nPrintJobs; }

    std::vector<int> m_counts;
    int m_nPrintJobs = 0;
};

// The preview's "Next page": the first of its four navigation actions.
QAction* NextPageAction(QWidget* dialog)
{
    for (QActionGroup* group : dialog->findChildren<QActionGroup*>()) {
        if (group->actions().size() == 4)
            return group->actions().front();
    }
    return nullptr;
}

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

TEST(PrintPreview, ReachingTheLastPageOffersOneMore)
{
    QPrinter printer(QPrinter::HighResolution);
    NumberedPages pages;
    std::vector<int> pagesOffered;
    QTimer::singleShot(0, [&pagesOffered] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(qobject_cast<QPrintPreviewDialog*>(dialog), nullptr);
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        QAction* next = NextPageAction(dialog);
        ASSERT_NE(preview, nullptr);
        ASSERT_NE(next, nullptr);
        Settle();
        pagesOffered.push_back(preview->pageCount());
        for (int step = 0; step < 2; ++step) {
            next->trigger();
            Settle();
            pagesOffered.push_back(preview->pageCount());
        }
        EXPECT_EQ(preview->currentPage(), 3);
        EXPECT_TRUE(next->isEnabled());
        dialog->close();
    });
    CServiceDefault<CPrintDialogs>::Get()->Preview(printer, pages);
    EXPECT_EQ(pagesOffered, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(pages.m_counts, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(pages.m_nPrintJobs, 0);
}

} // namespace
