// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The note still to be shown when the staff has been painted: one written
// by a click on the staff, or one handed over by the fingerboard or by a
// question that shows its note on the staff, which goes into the next
// column.
#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "views/staff/staff_view.h"
#include "views/staff/staff_window_dc.h"

#include <utility>

namespace {
// Narrower than this, the staff shows no room to write in: the note only sounds.
constexpr int kNarrowestWritingWidth = 150;
}

void CStaffView::ShowPendingNote()
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || (doc->m_nCurrentPitch == kNoPitch && doc->m_nQuestionPitch == kNoPitch))
        return;
    if (doc->IsQuestionRunning() && doc->m_nQuestionType != AnswerOnStaff) {
        // The question's note appears on the staff; the answer is a stop.
        if (!doc->m_bStaffNoteShown) {
            PlaceNote(doc->m_nCurrentPitch);
            doc->m_bStaffNoteShown = true;
        }
        return;
    }
    if (doc->m_nQuestionState != QuestionRunning && doc->m_nQuestionState != NoQuestion)
        return;
    if (m_bNotePlaced) {
        // A staff click wrote the column; now draw and sound its note.
        m_bNotePlaced = false;
        DrawNote(m_rcNote, doc->m_nCurrentPitch, m_rcLabel, doc->m_strNoteName, doc->m_nNoteValue);
        SoundNote(doc->m_nCurrentPitch);
    } else if (doc->m_nQuestionState == NoQuestion && !doc->m_bStaffNoteShown) {
        // A stop clicked on the fingerboard reaches the staff here.
        PlaceNote(doc->m_nCurrentPitch);
    }
}

void CStaffView::PlaceNote(int pitch)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || pitch <= kNoPitch)
        return;
    CVoldrimDoc::CMelodyChange change(*doc);
    // A note played on the cello is written as a click's, but not sounded:
    // the student hears their own instrument. A question's note sounds.
    const bool played = std::exchange(doc->m_bPendingNoteHeard, false) && doc->m_nQuestionState == NoQuestion;
    const auto sound = [&] {
        if (played)
            doc->m_bStaffNoteShown = true;
        else
            SoundNote(pitch);
    };
    CRect client;
    GetClientRect(&client);
    // Without a column to write in, asking whether to keep the melody at
    // the end of the staff would make no sense: the note only sounds.
    if (client.Width() < kNarrowestWritingWidth || doc->m_nColumnCount < 1) {
        sound();
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
            doc->m_bStaffNoteShown = true;
            return;
        }
        // A new melody starts with this note; undo brings the old one back.
        doc->m_melody.clear();
        doc->m_nLastColumn = 0;
    }

    const std::size_t columnIndex = std::size_t(doc->m_nLastColumn);
    if (columnIndex >= doc->m_columnList.size()) {
        AfxMessageBox(CString("Index error in Find Index - StaffView Play Clicked Stop Staff Column Object"));
        return;
    }
    CStaffColumn& column = doc->m_columnList[columnIndex];

    // The row is found before anything is written, so that a pitch no row
    // can show leaves no unseen note behind for playback.
    const CStaffPosition* position = doc->FindRowOfPitch(columnIndex, pitch);
    if (!position) {
        AfxMessageBox(CString("Index error in Find Index - StaffView Play Clicked Stop"));
        return;
    }

    WriteColumn(column, *position, pitch, doc->m_nNoteValue);
    DrawNote(m_rcNote, pitch, m_rcLabel, doc->m_strNoteName, doc->m_nNoteValue);
    sound();
    SyncMelodyList();
    if (doc->m_nKey == KeyChromatic) {
        CStaffWindowDC dc(this);
        DrawNaturals(dc);
    }
}
