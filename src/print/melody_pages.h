// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed pages of a melody: the title block, as many staves as fit
// with clef and key signature, the notes and rests in order at a fixed
// spacing, and the page number.
#include "doc/melody_page_printer.h"

class CMelodyPages : public CMelodyPagePrinter {
public:
    void PrintMelodyNotes(CVoldrimDoc& doc, CDC& dc, CPrintInfo& info) override;
    void PrintPageFrame(CVoldrimDoc& doc, CDC& dc, CPrintInfo& info) override;
};
