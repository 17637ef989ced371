// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Notes and rests of the written columns: heads, stems, flags, dots,
// accidentals and names.
#include "doc/voldrim_doc.h"
#include "model/key.h"
#include "model/note_value.h"
#include "model/pitch.h"
#include "notation/pitch_signs.h"
#include "notation/staff_glyphs.h"
#include "views/staff/staff_window_dc.h"

namespace {

// Notes above D3 hang their stem down on the left of the head.
constexpr int kStemDownAbove = 50;
// How far a note's signs reach past its column's hit rectangle: a sharp or
// natural in front of the head, a flat above the top row, a sharp below
// the bottom row; with a few pixels to spare.
constexpr int kSignReachLeft = 10;
constexpr int kSignReachUp = 20;
constexpr int kSignReachDown = 4;

bool IsFilledHead(NoteValue value)
{
    return value == NoteEighth || value == NoteQuarter || value == NoteDottedQuarter;
}

bool IsDotted(NoteValue value)
{
    return value == NoteDottedHalf || value == NoteDottedQuarter;
}

// Whether a painting's device context reaches what is drawn for the column.
bool Shows(CDC& dc, const CStaffColumn& column)
{
    CRect area = column.GetHitRect();
    area.left -= kSignReachLeft;
    area.top -= kSignReachUp;
    area.bottom += kSignReachDown;
    return dc.RectVisible(area) != FALSE;
}

} // namespace

void CStaffView::DrawNote(CDC& dc, const CRect& rcNote, int pitch, const CRect& rcLabel, const CString& name,
                          NoteValue value)
{
    CVoldrimDoc* doc = GetDocument();
    const int l = rcNote.left, t = rcNote.top, r = rcNote.right, b = rcNote.bottom;
    CPen* oldPen = dc.SelectObject(&m_penNote);
    if (pitch == kRestPitch) {
        // The rest hangs from the top staff line's region of its column.
        CBrush* oldBrush = dc.SelectObject(&m_brBlack);
        staffglyph::Rest(dc, CPoint(rcLabel.left + 5, rcLabel.top - 90));
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
        return;
    }
    const bool stemDown = pitch > kStemDownAbove;
    if (IsFilledHead(value)) {
        CBrush* oldBrush = dc.SelectObject(&m_brBlack);
        dc.Ellipse(l, t, r, b);
        if (value == NoteEighth)
            staffglyph::EighthFlag(dc, rcNote, stemDown);
        dc.SelectObject(oldBrush);
    } else {
        dc.Ellipse(l, t, r, b);  // the default white brush leaves it hollow
    }
    if (value != NoteWhole) {
        if (stemDown) {
            dc.MoveTo(l, t + 7);
            dc.LineTo(l, t + 40);
        } else {
            dc.MoveTo(r, b - 7);
            dc.LineTo(r, b - 40);
        }
    }
    dc.SelectObject(oldPen);

    const bool lineNote = IsOnStaffLine(pitch);
    if (lineNote) {
        // The head covered the staff or ledger line; draw it again across.
        dc.MoveTo(l, t + 6);
        dc.LineTo(r, t + 6);
    }
    if (IsDotted(value)) {
        CBrush* oldBrush = dc.SelectObject(&m_brBlack);
        if (lineNote)
            dc.Ellipse(r + 2, t, r + 6, t + 4);
        else
            dc.Ellipse(r + 2, b - 10, r + 6, b - 6);
        dc.SelectObject(oldBrush);
    }
    if (doc && doc->m_nKey == KeyChromatic)
        DrawAccidentalForName(dc, name, rcNote);
    if (doc && doc->m_bStaffNames && !doc->HidesQuestionNames())
        DrawNoteName(dc, rcLabel, name);
}

void CStaffView::DrawNote(const CRect& rcNote, int pitch, const CRect& rcLabel, const CString& name, NoteValue value)
{
    CStaffWindowDC dc(this);
    DrawNote(dc, rcNote, pitch, rcLabel, name, value);
}

void CStaffView::RedrawMelody(CDC& dc)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc)
        return;
    for (const CStaffColumn& column : doc->m_columnList) {
        if (column.IsWritten() && Shows(dc, column))
            DrawNote(dc, column.GetNoteRect(), column.GetPitch(), column.GetLabelRect(), column.GetName(),
                     column.GetValue());
    }
    if (doc->m_nKey == KeyChromatic)
        DrawNaturals(dc);
}

void CStaffView::DrawNaturals(CDC& dc)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc)
        return;
    CAccidentalMemory& accidentals = doc->m_accidentals;
    accidentals.ClearAll();
    // A column left empty by a click further on hides no sign behind it.
    for (const CStaffColumn& column : doc->m_columnList) {
        if (!column.IsWritten())
            continue;
        const int pitch = column.GetPitch();
        // Only staff pitches have a flag; anything else needs no sign.
        if (pitch < 0 || pitch >= CAccidentalMemory::kSize)
            continue;
        if (accidentals.Test(pitch)) {
            if (Shows(dc, column))
                DrawNatural(dc, column.GetNoteRect().left - 20, column.GetNoteRect().top - 12);
            accidentals.Clear(pitch);
        }
        // A sharp or flat on a row makes the next natural on that row need
        // its sign.
        if (IsWrittenSharp(pitch))
            accidentals.Set(pitch - 1);
        else if (IsWrittenFlat(pitch))
            accidentals.Set(pitch + 1);
    }
}

void CStaffView::DrawNoteName(CDC& dc, const CRect& rcLabel, const CString& name)
{
    const COLORREF oldColor = dc.SetTextColor(RGB(0, 0, 200));
    CRect rc = rcLabel;
    dc.DrawText(name, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SetTextColor(oldColor);
}

void CStaffView::DrawAccidentalForName(CDC& dc, const CString& name, const CRect& rcNote)
{
    if (name == QLatin1String("C#") || name == QLatin1String("F#"))
        DrawSharp(dc, rcNote.left - 20, rcNote.top - 12);
    else if (name == QLatin1String("Eb") || name == QLatin1String("Ab") || name == QLatin1String("Bb"))
        DrawFlat(dc, rcNote.left - 14, rcNote.top - 18);
}
