// Writing and erasing notes with the mouse on the staff, with the rhythmic
// value chosen by the letter keys held down.
#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "model/key.h"
#include "model/note_value.h"
#include "model/pitch.h"
#include "model/staff_position_table.h"
#include "views/staff/staff_view.h"

void CStaffView::OnKeyDown(UINT nChar, UINT repeatCount, UINT flags)
{
    if (CVoldrimDoc* doc = GetDocument())
        doc->SetHeldKey(nChar, 1);
    CView::OnKeyDown(nChar, repeatCount, flags);
}

void CStaffView::OnKeyUp(UINT nChar, UINT repeatCount, UINT flags)
{
    if (CVoldrimDoc* doc = GetDocument())
        doc->SetHeldKey(nChar, 0);
    CView::OnKeyUp(nChar, repeatCount, flags);
}

void CStaffView::OnLButtonDown(UINT, CPoint point)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || doc->m_bPlaying == 1)
        return;
    doc->m_nNoteValue = NoteValueFromHeldKeys(doc->GetHeldKeys());
    EvaluateClick(point, ClickMode::Place);
}

void CStaffView::OnRButtonDown(UINT, CPoint point)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || doc->m_bPlaying == 1)
        return;
    EvaluateClick(point, ClickMode::Erase);
}

void CStaffView::EvaluateClick(CPoint point, ClickMode mode)
{
    CVoldrimDoc* doc = GetDocument();
    if (doc->m_nQuestionState == 1) {
        if (doc->m_nQuestionType == 1) {
            AfxMessageBox(CString("The current question requires you to choose a stop on the fingerboard."));
            doc->ClearHeldKeys();
            return;
        }
        if (doc->m_nNoteValue == NoteRest) {
            AfxMessageBox(CString("You are using a rest to answer a question, please switch to another rhythmic value."));
            doc->ClearHeldKeys();
            return;
        }
    }

    // Neighbouring rows overlap by a pixel or two: the upper row wins.
    std::size_t hit = 0;
    while (hit < doc->m_positionList.size() && !doc->m_positionList[hit]->GetHitRect().PtInRect(point))
        ++hit;
    if (hit == doc->m_positionList.size())
        return;
    const CStaffPosition* position = doc->m_positionList[hit].get();
    const int columnIndex = int(hit / kStaffPositionsPerColumn);

    const int pitch = doc->m_nNoteValue == NoteRest ? kRestPitch : position->PitchForKey(doc->m_nKey);
    // No stop of the fingerboard reaches the natural E of the top row: the
    // click changes nothing, not even the place of the next note.
    if (mode == ClickMode::Place && pitch == kHighestStaffPitch)
        return;

    // A click in a later column moves the place of the next fingerboard note.
    if (columnIndex > doc->m_nLastColumn)
        doc->m_nLastColumn = columnIndex;
    if (std::size_t(columnIndex) >= doc->m_columnList.size()) {
        AfxMessageBox(CString("Index Error in Column Object"));
        return;
    }
    CStaffColumn* column = doc->m_columnList[std::size_t(columnIndex)].get();

    if (mode == ClickMode::Erase) {
        // The next painting writes the rest of the melody from the first
        // column on, which closes the gap and any other.
        column->Clear();
        SyncMelodyList();
        doc->m_bReloadMelody = 1;
        doc->m_nCurrentPitch = 0;
        doc->ClearColumns();
        doc->UpdateAllViews(nullptr, 0);
        return;
    }

    doc->m_nCurrentPitch = pitch;
    m_rcNote = position->GetHeadRect();
    doc->m_strNoteName = pitch == kRestPitch ? CString(" ") : position->NameForPitch(pitch);
    m_rcLabel = column->GetLabelRect();

    column->SetPitch(pitch);
    column->SetNoteRect(m_rcNote);
    column->SetName(doc->m_strNoteName);
    column->SetValue(doc->m_nNoteValue);
    SyncMelodyList();

    if (doc->m_nKey == KeyChromatic) {
        // A new accidental may add or remove naturals anywhere after it.
        Invalidate(TRUE);
    } else {
        CRect area = column->GetHitRect();
        area.left -= 10;  // room for an accidental in front of the head
        InvalidateRect(&area, TRUE);
    }
    // The painting draws and sounds the note.
    m_bNotePlaced = 1;

    if (doc->m_nQuestionState == 1) {
        // TODO(quiz): judge the note as the answer to the Show Me question
        // asked for the staff.
        return;
    }
    // The fingerboard shows the stop of the note.
    doc->UpdateAllViews(this, 1);
}
