// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the fingerboard does with clicks, held letter keys and its Show Me
// button.
#include "views/fingerboard/fboard_view.h"

#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "model/key.h"
#include "model/note_value.h"
#include "quiz/show_me_answers.h"
#include "quiz/show_me_questions.h"

namespace {

// Wider than this, the fingerboard is not beside the staff.
constexpr int kWidestPaneBesideStaff = 220;

}  // namespace

void CFboardView::OnLButtonDown(UINT, CPoint point)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || doc->m_bPlaying)
        return;
    // A stop always sounds a note, so the rest key plays no part here.
    doc->m_nNoteValue = NoteValueFromHeldKeysNoRest(doc->GetHeldKeys());
    EvaluateClick(point);
}

void CFboardView::OnRButtonDown(UINT, CPoint) {}

void CFboardView::EvaluateClick(CPoint point)
{
    CVoldrimDoc* doc = GetDocument();
    // The card only answers where it is drawn; a narrower view has none.
    if (IsCardShown()) {
        if (m_rcCard.PtInRect(point)) {
            RevealCard();
            return;
        }
        CoverCard();
    }

    if (doc->IsQuestionRunning() && doc->m_nQuestionType == AnswerOnStaff) {
        AfxMessageBox(CString("The current question requires you to click on the staff, not on the fingerboard!"));
        doc->ClearHeldKeys();
        return;
    }

    const CFingerStop* stop = FindStopAt(doc->m_stopList, point);
    if (stop && stop->GetKeyStatus() == KeyStatusInKey)
        ChooseStop(*stop, false);
}

void CFboardView::TakePlayedNote(int pitch, std::optional<double> cents)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || doc->m_bPlaying || (doc->IsQuestionRunning() && doc->m_nQuestionType == AnswerOnStaff))
        return;
    const CFingerStop* stop = FindStopOfPitch(doc->m_stopList, pitch);
    if (!stop || stop->GetKeyStatus() != KeyStatusInKey)
        return;
    doc->m_nNoteValue = NoteValueFromHeldKeysNoRest(doc->GetHeldKeys());
    if (IsCardShown())
        CoverCard();
    // The student hears their own instrument: the note is not sounded.
    ChooseStop(*stop, true, cents);
}

void CFboardView::ChooseStop(const CFingerStop& stop, bool played, std::optional<double> cents)
{
    CVoldrimDoc* doc = GetDocument();
    // The card shows the note's name whichever labels the board shows.
    doc->m_strNoteName = stop.GetNoteName();
    HighlightStop(stop);
    doc->m_nCurrentPitch = stop.GetPitch();
    if (doc->IsQuestionRunning()) {
        const ShowMeAnswer answer = JudgeFingerboardAnswer(*doc, this, PracticePlaying{played, cents});
        // The button asks a first question; it is hidden while one runs.
        m_btnShowMe.ShowWindow(!doc->IsQuestionRunning());
        if (!answer.right)
            return;
    }
    HandOffToStaff(played);
}

void CFboardView::HandOffToStaff(bool played)
{
    CVoldrimDoc* doc = GetDocument();
    doc->m_bStaffNoteShown = false;
    doc->m_bPendingNoteHeard = played;
    if (doc->m_nLastColumn < doc->m_nColumnCount - 1) {
        // The staff writes the note into its next column at its next paint.
        doc->UpdateAllViews(this, HintNoteOrTempo);
    } else {
        // The staff is full: it starts again from empty columns and asks
        // whether to keep the melody.
        doc->ClearColumns();
        doc->UpdateAllViews(this, HintRepaintAll);
    }
}

void CFboardView::OnShowMe()
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc)
        return;
    CRect client;
    GetClientRect(&client);
    if (StartShowMe(*doc, client.Width() <= kWidestPaneBesideStaff))
        m_btnShowMe.ShowWindow(false);
}

void CFboardView::OnKeyDown(UINT nChar, UINT repeatCount, UINT flags)
{
    if (CVoldrimDoc* doc = GetDocument())
        doc->SetHeldKey(nChar, true);
    CView::OnKeyDown(nChar, repeatCount, flags);
}

void CFboardView::OnKeyUp(UINT nChar, UINT repeatCount, UINT flags)
{
    if (CVoldrimDoc* doc = GetDocument())
        doc->SetHeldKey(nChar, false);
    CView::OnKeyUp(nChar, repeatCount, flags);
}
