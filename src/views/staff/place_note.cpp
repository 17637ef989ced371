// A note handed over by the fingerboard (or shown by a question) goes into
// the next column of the staff.
#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "model/key.h"
#include "model/pitch.h"
#include "res/resource.h"
#include "views/staff/staff_view.h"

namespace {
// Narrower than this, the staff shows no room to write in: the note only sounds.
constexpr int kNarrowestWritingWidth = 150;
}

void CStaffView::PlaceNote(int pitch)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || pitch < 1)
        return;
    CRect client;
    GetClientRect(&client);
    // Without a column to write in, asking whether to keep the melody at
    // the end of the staff would make no sense: the note only sounds.
    if (client.Width() < kNarrowestWritingWidth || doc->m_nColumnCount < 1) {
        SoundNote(pitch);
        return;
    }

    if (doc->m_nLastColumn < doc->m_nColumnCount - 1) {
        doc->m_nLastColumn += 1;
    } else {
        // The fingerboard has emptied the columns before handing over.
        const int answer = AfxMessageBox(IDS_STAFF_FULL, MB_YESNO | MB_ICONEXCLAMATION);
        doc->ClearHeldKeys();
        if (answer == IDYES) {
            // The melody comes back; the new note is dropped.
            ReplaceMelody();
            doc->m_bStaffNoteShown = 1;
            return;
        }
        // A new melody starts with this note.
        doc->m_nLastColumn = 0;
    }

    const std::size_t columnIndex = std::size_t(doc->m_nLastColumn);
    if (columnIndex >= doc->m_columnList.size()) {
        AfxMessageBox(CString("Index error in Find Index - StaffView Play Clicked Stop Staff Column Object"));
        return;
    }
    CStaffColumn* column = doc->m_columnList[columnIndex].get();

    // The row is found before anything is written, so that a pitch no row
    // can show leaves no unseen note behind for playback.
    const CStaffPosition* position = doc->FindRowOfPitch(columnIndex, pitch);
    if (!position) {
        AfxMessageBox(CString("Index error in Find Index - StaffView Play Clicked Stop"));
        return;
    }

    column->SetPitch(doc->m_nCurrentPitch);
    column->SetValue(doc->m_nNoteValue);
    m_rcLabel = column->GetLabelRect();
    doc->m_strNoteName = pitch == kRestPitch ? CString(" ") : position->NameForPitch(pitch);
    m_rcNote = position->GetHeadRect();
    column->SetNoteRect(m_rcNote);
    column->SetName(doc->m_strNoteName);

    DrawNote(m_rcNote, doc->m_nCurrentPitch, m_rcLabel, doc->m_strNoteName, doc->m_nNoteValue);
    SoundNote(doc->m_nCurrentPitch);
    SyncMelodyList();
    if (doc->m_nKey == KeyChromatic)
        DrawNaturals();
}
