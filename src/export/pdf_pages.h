// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The melody's printed pages as a PDF file: the print job of File Print,
// with the same pages, on a PDF printer.
class CVoldrimDoc;
class QIODevice;
class QPageLayout;

// Writes the pages to the device, on the paper and margins of the layout
// (the printer's own when none is given), 15 mm a side where no printer
// gave that layout its margins; the document's title is the melody's.
// False when they could not be printed.
bool PrintMelodyToPdf(CVoldrimDoc& doc, const QPageLayout* layout, QIODevice& out);
