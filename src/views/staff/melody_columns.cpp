// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Notes written into the staff columns: one at a time, or the document's
// whole melody, each column knowing the record it shows; and the melody
// read back from the columns.
#include "doc/voldrim_doc.h"
#include "views/staff/staff_view.h"
#include "views/staff/staff_window_dc.h"

#include <algorithm>

namespace {
// The name a rest shows below its column.
const CString kRestName = QStringLiteral(" ");

// Whether two lists of columns draw the same notes.
bool ShowSameNotes(const std::vector<CStaffColumn>& a, const std::vector<CStaffColumn>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const CStaffColumn& x, const CStaffColumn& y) {
        if (x.IsWritten() != y.IsWritten())
            return false;
        return !x.IsWritten() || (x.GetPitch() == y.GetPitch() && x.GetValue() == y.GetValue() &&
                                  x.GetNoteRect() == y.GetNoteRect() && x.GetLabelRect() == y.GetLabelRect() &&
                                  x.GetName() == y.GetName());
    });
}
} // namespace

void CStaffView::WriteColumn(CStaffColumn& column, const CStaffPosition& position, int pitch, NoteValue value)
{
    CVoldrimDoc* doc = GetDocument();
    doc->m_nCurrentPitch = pitch;
    doc->m_strNoteName = pitch == kRestPitch ? kRestName : position.NameForPitch(pitch);
    m_rcNote = position.GetHeadRect();
    m_rcLabel = column.GetLabelRect();
    column.SetPitch(pitch);
    column.SetValue(value);
    column.SetNoteRect(m_rcNote);
    column.SetName(doc->m_strNoteName);
}

void CStaffView::ReplaceMelody()
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc)
        return;
    CStaffWindowDC dc(this);
    WriteMelody(&dc);
    if (doc->m_nKey == KeyChromatic)
        DrawNaturals(dc);
}

void CStaffView::WriteMelody(CDC* dc)
{
    CVoldrimDoc* doc = GetDocument();
    doc->m_nLastColumn = CVoldrimDoc::kNoColumn;
    for (std::size_t record = 0; record < doc->m_melody.size(); ++record) {
        const CNoteSeries& note = *doc->m_melody[record];
        PlaceMelodyNote(dc, note.GetPitch(), note.GetValue(), int(record));
    }
}

void CStaffView::ReplaceMelodyInKeptPicture(CDC& dc)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc)
        return;
    WriteMelody(nullptr);
    if (ShowSameNotes(m_shownColumns, doc->m_columnList))
        RedrawMelody(dc);
    else
        Invalidate(TRUE);
    m_shownColumns.clear();
}

void CStaffView::PlaceMelodyNote(CDC* dc, int pitch, NoteValue value, int record)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || pitch <= kNoPitch)
        return;
    doc->m_nLastColumn += 1;
    // Notes past the end of the staff keep their place in the melody but
    // have no column to show in.
    if (doc->m_nLastColumn > doc->m_nColumnCount - 1)
        return;
    const std::size_t columnIndex = std::size_t(doc->m_nLastColumn);
    if (columnIndex >= doc->m_columnList.size())
        return;
    CStaffColumn& column = doc->m_columnList[columnIndex];

    const CStaffPosition* position = doc->FindRowOfPitch(columnIndex, pitch);
    if (!position) {
        // A pitch from a melody file that no row can show: it takes no
        // column, and stays in the melody as it was.
        doc->m_nLastColumn -= 1;
        return;
    }

    WriteColumn(column, *position, pitch, value);
    column.SetRecord(record);
    if (dc)
        DrawNote(*dc, m_rcNote, pitch, m_rcLabel, doc->m_strNoteName, value);
}

void CStaffView::SyncMelodyList()
{
    if (CVoldrimDoc* doc = GetDocument())
        doc->SyncMelodyFromColumns();
}
