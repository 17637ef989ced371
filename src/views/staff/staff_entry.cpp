// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and erasing notes with the mouse on the staff, with the rhythmic
// value chosen by the letter keys held down.
#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "model/staff_position_table.h"
#include "quiz/show_me_answers.h"
#include "views/staff/staff_view.h"

namespace {
// Room left of a note's column for the accidental in front of its head.
constexpr int kAccidentalRoom = 10;
}

void CStaffView::OnKeyDown(UINT nChar, UINT repeatCount, UINT flags)
{
    if (CVoldrimDoc* doc = GetDocument())
        doc->SetHeldKey(nChar, true);
    CView::OnKeyDown(nChar, repeatCount, flags);
}

void CStaffView::OnKeyUp(UINT nChar, UINT repeatCount, UINT flags)
{
    if (CVoldrimDoc* doc = GetDocument())
        doc->SetHeldKey(nChar, false);
    CView::OnKeyUp(nChar, repeatCount, flags);
}

void CStaffView::OnLButtonDown(UINT, CPoint point)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || doc->m_bPlaying)
        return;
    doc->m_nNoteValue = NoteValueFromHeldKeys(doc->GetHeldKeys());
    EvaluateClick(point, ClickMode::Place);
}

void CStaffView::OnRButtonDown(UINT, CPoint point)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || doc->m_bPlaying)
        return;
    EvaluateClick(point, ClickMode::Erase);
}

void CStaffView::EvaluateClick(CPoint point, ClickMode mode)
{
    CVoldrimDoc* doc = GetDocument();
    CVoldrimDoc::CMelodyChange change(*doc);
    if (RefusesClickForQuestion())
        return;
    const std::size_t row = doc->PositionAt(point);
    if (row == CVoldrimDoc::kNoPosition)
        return;
    const CStaffPosition& position = doc->m_positionList[row];
    const int columnIndex = int(row / kStaffPositionsPerColumn);

    const int pitch = doc->m_nNoteValue == NoteRest ? kRestPitch : position.PitchForKey(doc->m_nKey);
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
    if (mode == ClickMode::Erase)
        EraseColumn(std::size_t(columnIndex));
    else
        WriteClickedNote(std::size_t(columnIndex), position, pitch);
}

bool CStaffView::RefusesClickForQuestion()
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc->IsQuestionRunning())
        return false;
    CString refusal;
    if (doc->m_nQuestionType == AnswerOnFingerboard)
        refusal = QStringLiteral("The current question requires you to choose a stop on the fingerboard.");
    else if (doc->m_nNoteValue == NoteRest)
        refusal = QStringLiteral("You are using a rest to answer a question, please switch to another rhythmic value.");
    else
        return false;
    AfxMessageBox(refusal);
    doc->ClearHeldKeys();
    return true;
}

void CStaffView::EraseColumn(std::size_t columnIndex)
{
    CVoldrimDoc* doc = GetDocument();
    // The next painting writes the rest of the melody from the first
    // column on, which closes the gap and any other.
    doc->RemoveRecordOf(columnIndex);
    doc->m_columnList[columnIndex].Clear();
    doc->m_bReloadMelody = true;
    doc->m_nCurrentPitch = kNoPitch;
    doc->ClearColumns();
    doc->UpdateAllViews(nullptr, HintRepaintAll);
}

void CStaffView::WriteClickedNote(std::size_t columnIndex, const CStaffPosition& position, int pitch)
{
    CVoldrimDoc* doc = GetDocument();
    CStaffColumn& column = doc->m_columnList[columnIndex];
    WriteColumn(column, position, pitch, doc->m_nNoteValue);
    SyncMelodyList();

    if (doc->m_nKey == KeyChromatic) {
        // A new accidental may add or remove naturals anywhere after it.
        Invalidate(TRUE);
    } else {
        CRect area = column.GetHitRect();
        area.left -= kAccidentalRoom;
        InvalidateRect(&area, TRUE);
    }
    // The painting draws and sounds the note.
    m_bNotePlaced = true;

    if (doc->IsQuestionRunning()) {
        // The note is the answer to a question asked for the staff.
        JudgeStaffAnswer(*doc, this);
        return;
    }
    // The fingerboard shows the stop of the note.
    doc->UpdateAllViews(this, HintNoteOrTempo);
}
