// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print dialog, the page setup dialog and the print preview window: a
// service that tests replace to print without a dialog.
#include "framework/service.h"

class QPrinter;

// The pages a preview shows, and the print job it can start.
class CPreviewPages {
public:
    virtual ~CPreviewPages() = default;
    // Draws pages 1 to count on the preview's printer.
    virtual void DrawPreview(QPrinter& printer, int count) = 0;
    // Prints on the printer, as File Print does once its dialog is closed.
    virtual void Print(QPrinter& printer) = 0;
};

class CPrintDialogs {
public:
    virtual ~CPrintDialogs() = default;
    // The print dialog: the printer (or a PDF file) and its settings. False
    // when the user cancels.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;
    // Page setup: paper, orientation and margins. False when cancelled.
    virtual bool SetUpPage(QPrinter& printer) = 0;
    // Shows the pages until the user closes the preview or prints from it.
    virtual void Preview(QPrinter& printer, CPreviewPages& pages) = 0;
};

// Qt's print, page setup and preview dialogs are the default.
template <>
struct CServiceDefault<CPrintDialogs> {
    static CPrintDialogs* Get();
};

inline CPrintDialogs* AfxGetPrintDialogs() { return CService<CPrintDialogs>::Get(); }
