// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/pdf_pages.h"

#include "views/melody/melody_view.h"
#include "doc/voldrim_doc.h"
#include "export/pdf_scratch_folder.h"
#include "print/melody_pages.h"

#include <QFile>
#include <QMarginsF>
#include <QPdfWriter>
#include <QPrinter>

namespace {

constexpr const char* kCreator = "Voldrim";
// A PDF printer has no paper edge it cannot reach, so no printer gives it
// margins; an office printer cuts off what is drawn close to the edge.
constexpr qreal kMarginWhenNoneMm = 15;

// The views' print steps on a view that never shows: it is the child of a
// window that is never shown.
class CPdfPagesView : public CMelodyView {
public:
    void OnDraw(CDC*) override {}
};

// Margins that no printer gave: none at all, or those Qt's PDF engine
// starts with, which a printer of the system would have replaced.
bool MarginsGivenByNoPrinter(const QPageLayout& layout)
{
    const QMarginsF margins = layout.margins(QPageLayout::Point);
    const QPdfWriter unprinted{QString()};
    return margins.isNull() || margins == unprinted.pageLayout().margins(QPageLayout::Point);
}

void GiveMarginsWhenNone(QPrinter& printer)
{
    if (MarginsGivenByNoPrinter(printer.pageLayout())) {
        const QMarginsF margins(kMarginWhenNoneMm, kMarginWhenNoneMm, kMarginWhenNoneMm, kMarginWhenNoneMm);
        printer.setPageMargins(margins, QPageLayout::Millimeter);
    }
}

// The pages copied a piece at a time; false when nothing or not all came over.
bool CopyFile(const QString& path, QIODevice& out)
{
    constexpr qint64 kPieceSize = 64 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return false;
    while (!file.atEnd()) {
        const QByteArray piece = file.read(kPieceSize);
        if (piece.isEmpty() || out.write(piece) != piece.size())
            return false;
    }
    return true;
}

} // namespace

bool PrintMelodyToPdf(CVoldrimDoc& doc, const QPageLayout* layout, QIODevice& out)
{
    // The printer writes to a file of its own; the caller decides where the
    // pages go and that nothing is left half-written there.
    const CPdfScratchFolder folder;
    if (!folder.IsValid())
        return false;
    const QString path = folder.PagesPath();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (layout && !printer.setPageLayout(*layout))
        return false;
    GiveMarginsWhenNone(printer);
    printer.setDocName(doc.m_strMelodyTitle);
    printer.setCreator(QLatin1String(kCreator));

    CMelodyPages pages;
    const CServiceOverride<CMelodyPagePrinter> pagesInstalled(&pages);
    QWidget hidden;
    CPdfPagesView view;
    if (!view.CreateView(&hidden, &doc, CSize(1, 1)))
        return false;
    if (view.PrintJob(printer) < 1)
        return false;
    return CopyFile(path, out);
}
