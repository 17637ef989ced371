#pragma once
// The melody's printed pages as a PDF file: the print job of File Print,
// with the same pages, on a PDF printer.
class CVoldrimDoc;
class QIODevice;
class QPageLayout;

// Writes the pages to the device, on the paper and margins of the layout
// (the printer's own when none is given). False when they could not be
// printed.
bool PrintMelodyToPdf(CVoldrimDoc& doc, const QPageLayout* layout, QIODevice& out);
