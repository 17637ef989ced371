// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes and rests of one printed page, drawn record by record with the
// document's print pen selected: heads, dots, stems, flags, ledger lines
// and, in the chromatic key, sharps, flats and naturals.
#include "doc/note_series.h"
#include "framework/dc.h"
#include "print/print_layout.h"

class CVoldrimDoc;

class CPageNotes {
public:
    CPageNotes(CVoldrimDoc& doc, CDC& dc) : m_doc(doc), m_dc(dc) {}
    void Print(const CNoteSeries& record, const printlayout::NotePlace& place);

private:
    // The head's left, right, lower (T) and upper (B) edges.
    struct Head {
        int l, r, t, b;
    };
    void PrintHead(const Head& head, NoteValue value, bool stemUp);
    void PrintStem(const Head& head, bool stemUp);
    void PrintDot(const Head& head);
    void PrintAccidental(const Head& head, int pitch);
    void PrintLedgerLines(const Head& head, int pitch);

    CVoldrimDoc& m_doc;
    CDC& m_dc;
};
