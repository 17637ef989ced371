// The note still to be shown when the staff has been painted: one written
// by a click on the staff, or one handed over by the fingerboard or by a
// question that shows its note on the staff.
#include "doc/voldrim_doc.h"
#include "views/staff/staff_view.h"

void CStaffView::ShowPendingNote()
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || (doc->m_nCurrentPitch == 0 && doc->m_nQuestionPitch == 0))
        return;
    if (doc->m_nQuestionState == 1 && doc->m_nQuestionType != 2) {
        // The question's note appears on the staff; the answer is a stop.
        if (doc->m_bStaffNoteShown != 1) {
            PlaceNote(doc->m_nCurrentPitch);
            doc->m_bStaffNoteShown = 1;
        }
        return;
    }
    if (doc->m_nQuestionState != 1 && doc->m_nQuestionState != 2)
        return;
    if (m_bNotePlaced == 1) {
        // A staff click wrote the column; now draw and sound its note.
        m_bNotePlaced = 0;
        DrawNote(m_rcNote, doc->m_nCurrentPitch, m_rcLabel, doc->m_strNoteName, doc->m_nNoteValue);
        SoundNote(doc->m_nCurrentPitch);
    } else if (doc->m_nQuestionState == 2 && doc->m_bStaffNoteShown == 0) {
        // A stop clicked on the fingerboard reaches the staff here.
        PlaceNote(doc->m_nCurrentPitch);
    }
}
