// Writing the document's melody into the staff columns, and the melody
// back from the columns.
#include "doc/voldrim_doc.h"
#include "model/key.h"
#include "model/pitch.h"
#include "views/staff/staff_view.h"

void CStaffView::ReplaceMelody()
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc)
        return;
    doc->m_nLastColumn = -1;
    for (const auto& record : doc->m_melody)
        PlaceMelodyNote(record->GetPitch(), record->GetValue());
    if (doc->m_nKey == KeyChromatic)
        DrawNaturals();
}

void CStaffView::PlaceMelodyNote(int pitch, int value)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || pitch < 1)
        return;
    doc->m_nLastColumn += 1;
    // Notes past the end of the staff keep their place in the melody but
    // have no column to show in.
    if (doc->m_nLastColumn > doc->m_nColumnCount - 1)
        return;
    const std::size_t columnIndex = std::size_t(doc->m_nLastColumn);
    if (columnIndex >= doc->m_columnList.size())
        return;
    CStaffColumn* column = doc->m_columnList[columnIndex].get();

    const CStaffPosition* position = doc->FindRowOfPitch(columnIndex, pitch);
    if (!position) {
        // A pitch from a melody file that no row can show: it takes no
        // column, and stays in the melody as it was.
        doc->m_nLastColumn -= 1;
        return;
    }

    column->SetPitch(pitch);
    doc->m_nCurrentPitch = pitch;
    m_rcLabel = column->GetLabelRect();
    column->SetValue(value);
    doc->m_strNoteName = pitch == kRestPitch ? QStringLiteral(" ") : position->NameForPitch(pitch);
    m_rcNote = position->GetHeadRect();
    column->SetNoteRect(m_rcNote);
    column->SetName(doc->m_strNoteName);
    DrawNote(m_rcNote, pitch, m_rcLabel, doc->m_strNoteName, value);
}

void CStaffView::SyncMelodyList()
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc)
        return;
    doc->m_melody.clear();
    for (const auto& column : doc->m_columnList) {
        if (column->GetPitch() != 0)
            doc->m_melody.push_back(std::make_unique<CNoteSeries>(column->GetValue(), column->GetPitch()));
    }
}
