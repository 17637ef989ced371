// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/melody_pages.h"

#include "doc/voldrim_doc.h"
#include "framework/print_info.h"
#include "print/page_notes.h"
#include "print/print_glyphs.h"
#include "print/print_layout.h"

using namespace printlayout;

namespace {

constexpr int kTitleHeight = 30;
constexpr const char* kTitleFace = "Arial";

// The key signature's signs, relative to the clef's anchor.
constexpr CPoint kFirstSharp(60, 0);
constexpr CPoint kSecondSharp(80, -30);
constexpr CPoint kFirstFlat(60, -36);
constexpr CPoint kSecondFlat(80, -4);

int PageWidth(const CPrintInfo& info)
{
    return info.m_rectDraw.right - info.m_rectDraw.left;
}

int PageHeight(const CPrintInfo& info)
{
    return info.m_rectDraw.top - info.m_rectDraw.bottom;
}

CPoint Offset(CPoint at, CPoint by)
{
    return CPoint(at.x + by.x, at.y + by.y);
}

// The text centred on the page with its top at y.
void TextCentred(CDC& dc, const CString& text, int pageWidth, int top)
{
    dc.TextOut(pageWidth / 2 - dc.GetTextExtent(text).cx / 2, top, text);
}

void PrintClefAndKey(CDC& dc, CPoint at, Key key, CBrush* fill)
{
    PrintBassClef(dc, at, fill);
    const bool sharps = key == KeyG || key == KeyD;
    const bool flats = key == KeyF || key == KeyBb;
    if (sharps)
        PrintSharp(dc, Offset(at, kFirstSharp), fill);
    if (key == KeyD)
        PrintSharp(dc, Offset(at, kSecondSharp), fill);
    if (flats)
        PrintFlat(dc, Offset(at, kFirstFlat), fill);
    if (key == KeyBb)
        PrintFlat(dc, Offset(at, kSecondFlat), fill);
}

void PrintStaff(CDC& dc, int top, int pageWidth)
{
    for (int k = 0; k < kStaffLines; ++k) {
        dc.MoveTo(0, top - kLineSpacing * k);
        dc.LineTo(pageWidth, top - kLineSpacing * k);
    }
}

} // namespace

void CMelodyPages::PrintMelodyNotes(CVoldrimDoc& doc, CDC& dc, CPrintInfo& info)
{
    // Accidentals are remembered for one page at a time.
    doc.m_accidentals.ClearAll();
    const int extraStaves = ExtraStaves(PageHeight(info));
    if (doc.m_melody.empty()) {
        doc.m_bPrintDone = true;
        return;
    }
    CPen* oldPen = dc.SelectObject(&doc.m_penPrint);
    CPageNotes notes(doc, dc);
    NotePlace place;
    const int page = int(info.m_nCurPage);
    for (std::size_t i = 0; i < doc.m_melody.size() && place.page <= page; ++i) {
        if (place.page == page) {
            notes.Print(*doc.m_melody[i], place);
            if (i + 1 == doc.m_melody.size())
                doc.m_bPrintDone = true;
        }
        place.Advance(PageWidth(info), extraStaves);
    }
    dc.SelectObject(oldPen);
}

void CMelodyPages::PrintPageFrame(CVoldrimDoc& doc, CDC& dc, CPrintInfo& info)
{
    const int width = PageWidth(info);
    const int height = PageHeight(info);
    CFont font;
    font.CreateFont(kTitleHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, kTitleFace);
    CFont* oldFont = dc.SelectObject(&font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);

    // A composer without a title prints nothing at the top.
    if (!doc.m_strMelodyTitle.isEmpty()) {
        TextCentred(dc, CVoldrimDoc::ShownText(doc.m_strMelodyTitle), width, 0);
        if (!doc.m_strMelodyComposer.isEmpty()) {
            TextCentred(dc, CString("by"), width, -tm.tmHeight);
            TextCentred(dc, CVoldrimDoc::ShownText(doc.m_strMelodyComposer), width, -2 * tm.tmHeight);
        }
    }

    CPen* oldPen = dc.SelectObject(&doc.m_penPrint);
    int top = kFirstStaffTop;
    do {
        PrintClefAndKey(dc, CPoint(kClefX, top), doc.m_nKey, &doc.m_brPrint);
        PrintStaff(dc, top, width);
        top -= kStaffSpacing;
    } while (StaffFits(top, height));
    dc.SelectObject(oldPen);

    TextCentred(dc, CString::asprintf("Page %d", int(info.m_nCurPage)), width, 2 * tm.tmHeight - height);
    dc.SelectObject(oldFont);
}
