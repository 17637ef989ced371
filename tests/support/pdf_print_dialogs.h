// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stands in for the print, page setup and preview dialogs while it lives:
// the print dialog chooses a PDF file, page setup applies a given layout,
// and the preview draws its pages into a PDF file of its own. An
// independent reader (poppler's pdfinfo and pdftoppm) reads them back.
// Without files it is a user who cancels every dialog.
#include "framework/print_dialogs.h"

#include <QImage>
#include <QPageLayout>
#include <QString>

class CPdfPrintDialogs : public CPrintDialogs {
public:
    CPdfPrintDialogs() = default;
    CPdfPrintDialogs(QString printPath, QString previewPath);

    bool ChoosePrinter(QPrinter& printer) override;
    bool SetUpPage(QPrinter& printer) override;
    void Preview(QPrinter& printer, CPreviewPages& pages) override;

    // Letter paper with margins that leave 8 by 10 inches to print on.
    static QPageLayout EightByTenInches();

    bool m_bCancelPrint = false;
    // Pages from and to as the print dialog's range; 0 for all pages.
    int m_nFromPage = 0;
    int m_nToPage = 0;
    QPageLayout m_layout = EightByTenInches();
    int m_nPreviewPages = 3;
    // The preview's Print button: a print job to the print path after the preview.
    bool m_bPrintFromPreview = false;
    int m_nPrintDialogs = 0;
    int m_nPageSetups = 0;
    int m_nPreviews = 0;
    QString m_printPath;
    QString m_previewPath;

private:
    CServiceOverride<CPrintDialogs> m_installed{this};
};

// A field of a PDF file's information as pdfinfo prints it ("Title",
// "Creator", ...); empty when the file has none or cannot be read.
QString PdfInfo(const QString& path, const QString& field);
// The number of pages of a PDF file by pdfinfo; -1 when it cannot tell.
int PdfPageCount(const QString& path);
// One page of a PDF file rendered in grey by pdftoppm at the resolution;
// a null image when that fails.
QImage RenderPdfPage(const QString& path, int page, int dpi);
// How close the ink of a page comes to the paper's nearest edge, in
// millimetres, rendered by pdftoppm; -1 for a blank or unreadable page.
double PdfInkClearanceMm(const QString& path, int page);
