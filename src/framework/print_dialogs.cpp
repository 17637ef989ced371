// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/print_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QPageSetupDialog>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>

namespace {

// The preview first offers the first page and the one after it, and one
// page more whenever the user reaches the last: a job whose length is not
// announced has every page number.
constexpr int kFirstPreviewPages = 2;

// While a preview draws its pages, the printer paints into pictures
// instead of through its own engine; otherwise the preview prints.
bool IsPreviewPainting(QPrinter& printer)
{
    const QPaintEngine* engine = printer.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

class QtPrintDialogs : public CPrintDialogs {
public:
    bool ChoosePrinter(QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    }

    bool SetUpPage(QPrinter& printer) override
    {
        QPageSetupDialog dialog(&printer, QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    }

    void Preview(QPrinter& printer, CPreviewPages& pages) override
    {
        int offered = kFirstPreviewPages;
        QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&pages, &offered](QPrinter* target) {
            if (IsPreviewPainting(*target))
                pages.DrawPreview(*target, offered);
            else
                pages.Print(*target);
        });
        if (auto* widget = dialog.findChild<QPrintPreviewWidget*>())
            OfferMorePagesAtTheEnd(dialog, *widget, offered);
        dialog.exec();
    }

private:
    // Whenever the user has paged to the last page offered, one more is
    // offered. Checked once the preview has settled after a change or any
    // action of its toolbar (fitting the page moves through the pages).
    static void OfferMorePagesAtTheEnd(QPrintPreviewDialog& dialog, QPrintPreviewWidget& widget, int& offered)
    {
        auto* check = new QTimer(&widget);
        check->setSingleShot(true);
        check->setInterval(0);
        QObject::connect(check, &QTimer::timeout, &widget, [&widget, &offered] {
            if (widget.pageCount() == offered && widget.currentPage() >= offered) {
                ++offered;
                widget.updatePreview();
            }
        });
        const auto schedule = [check] { check->start(); };
        QObject::connect(&widget, &QPrintPreviewWidget::previewChanged, check, schedule);
        for (QAction* action : dialog.findChildren<QAction*>())
            QObject::connect(action, &QAction::triggered, check, schedule);
    }
};

} // namespace

CPrintDialogs* CServiceDefault<CPrintDialogs>::Get()
{
    static QtPrintDialogs dialogs;
    return &dialogs;
}
