// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/page_notes.h"

#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "notation/pitch_signs.h"
#include "print/print_glyphs.h"

using namespace printlayout;

namespace {

// Pitches up to D3 have their stem up on the right, higher ones down on the left.
constexpr int kHighestStemUp = 50;
// A stem starts this far inside the head and reaches this far beyond its other edge.
constexpr int kStemInset = 10;
constexpr int kStemReach = 60;
// The dot's box beside the head's upper right corner.
constexpr CRect kDot(4, -2, 9, -7);
// Ledger lines stand out this far on either side of the head.
constexpr int kLedgerOverhang = 10;
// Where the signs of the chromatic key stand, from the head's left and upper edges.
constexpr CPoint kSharpPlace(-20, 10);
constexpr CPoint kFlatPlace(-20, 15);
constexpr CPoint kLowBbFlatPlace(-30, 15);
constexpr CPoint kNaturalPlace(-20, 10);
constexpr int kLowBb = 58;

// The ledger lines of the pitches that have them, each at a height above
// the head's lower edge; no other pitch gets one.
struct LedgerLine {
    int pitch;
    int height;
};
constexpr LedgerLine kLedgerLines[] = {{36, 10}, {36, 28}, {37, 10}, {37, 28}, {38, kHeadHeight},
                                       {39, 10}, {40, 10}, {60, 10}, {61, 10}, {62, 0},
                                       {63, 10}, {63, -9}, {64, 10}, {64, -9}};

} // namespace

void CPageNotes::Print(const CNoteSeries& record, const NotePlace& place)
{
    const int pitch = record.GetPitch();
    if (pitch == kRestPitch) {
        // Only the rest sign, whatever its rhythmic value.
        PrintRest(m_dc, CPoint(place.x, place.staffTop), &m_doc.m_brPrint);
        return;
    }
    std::optional<int> offset = NoteOffset(pitch);
    if (!offset) {
        AfxMessageBox(CString("No note match in DeterminePrintNoteLocation."));
        offset = 0;
    }
    const int lower = place.staffTop + *offset;
    const Head head{place.x, place.x + kHeadWidth, lower, lower + kHeadHeight};
    const NoteValue value = record.GetValue();
    const bool stemUp = pitch <= kHighestStemUp;
    PrintHead(head, value, stemUp);
    if (value == NoteDottedQuarter || value == NoteDottedHalf)
        PrintDot(head);
    if (value != NoteWhole)
        PrintStem(head, stemUp);
    if (m_doc.m_nKey == KeyChromatic)
        PrintAccidental(head, pitch);
    PrintLedgerLines(head, pitch);
}

void CPageNotes::PrintHead(const Head& head, NoteValue value, bool stemUp)
{
    if (value != NoteEighth && value != NoteQuarter && value != NoteDottedQuarter) {
        // Longer notes keep the device context's own (white) brush: hollow.
        m_dc.Ellipse(head.l, head.t, head.r, head.b);
        return;
    }
    CBrush* old = m_dc.SelectObject(&m_doc.m_brPrint);
    m_dc.Ellipse(head.l, head.t, head.r, head.b);
    if (value == NoteEighth)
        PrintFlag(m_dc, stemUp ? CPoint(head.r, head.t) : CPoint(head.l, head.b), stemUp, &m_doc.m_brPrint);
    m_dc.SelectObject(old);
}

void CPageNotes::PrintDot(const Head& head)
{
    CBrush* old = m_dc.SelectObject(&m_doc.m_brPrint);
    m_dc.Ellipse(head.r + kDot.left, head.b + kDot.top, head.r + kDot.right, head.b + kDot.bottom);
    m_dc.SelectObject(old);
}

void CPageNotes::PrintStem(const Head& head, bool stemUp)
{
    if (stemUp) {
        m_dc.MoveTo(head.r, head.b - kStemInset);
        m_dc.LineTo(head.r, head.t + kStemReach);
    } else {
        m_dc.MoveTo(head.l, head.t + kStemInset);
        m_dc.LineTo(head.l, head.b - kStemReach);
    }
}

void CPageNotes::PrintAccidental(const Head& head, int pitch)
{
    CAccidentalMemory& accidentals = m_doc.m_accidentals;
    const auto at = [&head](CPoint place) { return CPoint(head.l + place.x, head.b + place.y); };
    // A sharp or flat makes the next natural on its row need a sign.
    if (IsWrittenSharp(pitch)) {
        PrintSharp(m_dc, at(kSharpPlace), &m_doc.m_brPrint);
        accidentals.Set(pitch - 1);
    } else if (IsWrittenFlat(pitch)) {
        PrintFlat(m_dc, at(pitch == kLowBb ? kLowBbFlatPlace : kFlatPlace), &m_doc.m_brPrint);
        accidentals.Set(pitch + 1);
    } else if (pitch >= 0 && pitch < CAccidentalMemory::kSize && accidentals.Test(pitch)) {
        // Only pitches of the staff have a flag.
        PrintNatural(m_dc, at(kNaturalPlace), &m_doc.m_brPrint);
        accidentals.Clear(pitch);
    }
}

void CPageNotes::PrintLedgerLines(const Head& head, int pitch)
{
    for (const LedgerLine& line : kLedgerLines) {
        if (line.pitch != pitch)
            continue;
        m_dc.MoveTo(head.l - kLedgerOverhang, head.t + line.height);
        m_dc.LineTo(head.r + kLedgerOverhang, head.t + line.height);
    }
}
