// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pdf_print_dialogs.h"

#include "support/external_tool.h"
#include "support/pixels.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace {
constexpr double kMmPerInch = 25.4;
// Fine enough to place ink within half a millimetre.
constexpr int kClearanceDpi = 72;

// The standard output of a tool, or an empty array when it fails.
QByteArray RunTool(const QString& program, const QStringList& arguments)
{
    const ToolRun run = RunExternalTool(program, arguments);
    return run.Succeeded() ? run.out : QByteArray();
}

void PrintToPdf(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}
} // namespace

CPdfPrintDialogs::CPdfPrintDialogs(QString printPath, QString previewPath)
    : m_printPath(std::move(printPath)), m_previewPath(std::move(previewPath))
{
}

QPageLayout CPdfPrintDialogs::EightByTenInches()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0.25, 0.5, 0.25, 0.5),
                       QPageLayout::Inch);
}

bool CPdfPrintDialogs::ChoosePrinter(QPrinter& printer)
{
    ++m_nPrintDialogs;
    if (m_bCancelPrint || m_printPath.isEmpty())
        return false;
    PrintToPdf(printer, m_printPath);
    printer.setPrintRange(m_nFromPage > 0 ? QPrinter::PageRange : QPrinter::AllPages);
    printer.setFromTo(m_nFromPage, m_nToPage);
    return true;
}

bool CPdfPrintDialogs::SetUpPage(QPrinter& printer)
{
    ++m_nPageSetups;
    return !m_printPath.isEmpty() && printer.setPageLayout(m_layout);
}

void CPdfPrintDialogs::Preview(QPrinter& printer, CPreviewPages& pages)
{
    ++m_nPreviews;
    if (m_previewPath.isEmpty())
        return;
    PrintToPdf(printer, m_previewPath);
    pages.DrawPreview(printer, m_nPreviewPages);
    if (m_bPrintFromPreview) {
        PrintToPdf(printer, m_printPath);
        pages.Print(printer);
    }
}

QString PdfInfo(const QString& path, const QString& field)
{
    const QString info = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {path}));
    const QRegularExpression line(QStringLiteral("^%1:[ \\t]*(.*)$").arg(QRegularExpression::escape(field)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(info);
    return match.hasMatch() ? match.captured(1) : QString();
}

int PdfPageCount(const QString& path)
{
    bool number = false;
    const int pages = PdfInfo(path, QStringLiteral("Pages")).toInt(&number);
    return number ? pages : -1;
}

QImage RenderPdfPage(const QString& path, int page, int dpi)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return {};
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                                         QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                                         QStringLiteral("-singlefile"), path, prefix});
    return QImage(prefix + QStringLiteral(".pgm"));
}

double PdfInkClearanceMm(const QString& path, int page)
{
    const QImage image = RenderPdfPage(path, page, kClearanceDpi);
    const QRect ink = InkBounds(image);
    if (ink.isEmpty())
        return -1;
    const int pixels = std::min({ink.left(), ink.top(), image.width() - 1 - ink.right(),
                                 image.height() - 1 - ink.bottom()});
    return pixels * kMmPerInch / kClearanceDpi;
}
