// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed pages of the melody. The document hands every page to the
// page printer installed, which knows the layout; the application
// installs the print library's.
#include "framework/service.h"

class CDC;
class CVoldrimDoc;
struct CPrintInfo;

class CMelodyPagePrinter {
public:
    virtual ~CMelodyPagePrinter() = default;
    // The notes and rests that fall on page m_nCurPage; sets the
    // document's m_bPrintDone once the melody's last record is drawn.
    virtual void PrintMelodyNotes(CVoldrimDoc& doc, CDC& dc, CPrintInfo& info) = 0;
    // Title, staves with clef and key signature, and the page number.
    virtual void PrintPageFrame(CVoldrimDoc& doc, CDC& dc, CPrintInfo& info) = 0;
};
