// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the written melody in rhythm: one tick of the playback timer is
// an eighth note, a red marker points at the sounding column, and the
// fingerboard shows the sounding stop.
#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "model/note_value.h"
#include "model/pitch.h"
#include "model/staff_position_table.h"
#include "sound/midi_device.h"
#include "views/staff/staff_view.h"
#include "views/staff/staff_window_dc.h"

void CStaffView::OnTimer(UINT_PTR id)
{
    if (id == kSingleNoteTimer)
        EndSingleNote();
    else if (id == kPlaybackTimer)
        PlaybackTick();
    else
        CView::OnTimer(id);
}

void CStaffView::OnPlay()
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || doc->m_bPlaying)
        return;
    // The whole melody as written now, past the end of the staff too, where
    // no marker shows; empty columns are not played as silence, and a note
    // that no row shows is not played, as it is not drawn.
    doc->m_playList.clear();
    const std::vector<CRect> columns = doc->ColumnsOfRecords();
    for (std::size_t record = 0; record < doc->m_melody.size(); ++record) {
        const CNoteSeries& note = *doc->m_melody[record];
        if (StaffShowsPitch(note.GetPitch()))
            doc->m_playList.push_back(std::make_unique<CPlayItem>(note.GetPitch(), note.GetValue(), columns[record]));
    }
    m_posPlay = 0;
    if (doc->m_playList.empty()) {
        AfxMessageBox(CString("There is no melody to play!"));
        doc->m_bPlaying = false;
        doc->ClearHeldKeys();
        return;
    }
    // A note still sounding from the staff ends now; left to its timer it
    // would silence a note of the melody.
    if (Timers().IsRunning(kSingleNoteTimer))
        EndSingleNote();
    m_nPlayingNote = kNoPitch;
    m_nTicksLeft = 0;
    m_bStopRequested = false;
    if (SetTimer(kPlaybackTimer, UINT(doc->m_nTempo / 2)) != kPlaybackTimer) {
        AfxMessageBox(CString("Timer Not Set"));
        return;
    }
    m_rcMarker.SetRectEmpty();
    doc->m_bPlaying = true;
}

void CStaffView::OnStop()
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc)
        return;
    // The melody stops at the end of the sounding note.
    if (doc->m_bPlaying) {
        m_bStopRequested = true;
    } else {
        AfxMessageBox(CString("No melody to stop playing..."));
    }
    doc->ClearHeldKeys();
}

void CStaffView::PlaybackTick()
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc)
        return;
    // The melody was emptied under the playback: it ends at once.
    if (!doc->m_bPlaying) {
        if (EndSoundingItem())
            EndPlayback();
        return;
    }
    if (m_nTicksLeft-- > 1)
        return;
    if (!EndSoundingItem())
        return;
    if (m_bStopRequested || m_posPlay >= doc->m_playList.size()) {
        EndPlayback();
        return;
    }

    const CPlayItem& item = *doc->m_playList[m_posPlay++];
    if (m_posPlay >= doc->m_playList.size()) {
        if (doc->m_bContinuousPlay)
            m_posPlay = 0;
        else
            m_bStopRequested = true;  // ends when this item ends
    }
    m_nPlayingNote = item.GetPitch();
    m_nTicksLeft = PlaybackTicks(item.GetPitch(), item.GetValue());
    doc->m_nCurrentPitch = item.GetPitch();

    EraseMarker();
    DrawMarker(item.GetColumnRect());
    doc->UpdateAllViews(this, HintPlaybackNote);

    // The note-off of the previous item went out in this same tick, so the
    // notes join without a gap.
    if (doc->m_bUseMidi && doc->m_pMidiDevice && !doc->m_pMidiDevice->PlayNoteOn(m_nPlayingNote))
        AfxMessageBox(CString("MIDI ERROR 03 - in PlayNoteOn Staff View Timer"));
}

bool CStaffView::EndSoundingItem()
{
    CVoldrimDoc* doc = GetDocument();
    if (m_nPlayingNote <= kNoPitch || !doc->m_bUseMidi || !doc->m_pMidiDevice)
        return true;
    if (doc->m_pMidiDevice->PlayNoteOff(m_nPlayingNote))
        return true;
    // The output has gone: the playback ends here rather than start a note
    // that no tick would end.
    EndPlayback();
    AfxMessageBox(CString("MIDI ERROR - in PlayNoteOff"));
    return false;
}

void CStaffView::EndPlayback()
{
    KillTimer(kPlaybackTimer);
    m_bStopRequested = false;
    m_nTicksLeft = 0;
    if (CVoldrimDoc* doc = GetDocument())
        doc->m_bPlaying = false;
    EraseMarker();
}

void CStaffView::DrawMarker(const CRect& rcColumn)
{
    // A note past the end of the staff has no column to point at.
    if (rcColumn.IsRectEmpty())
        return;
    const int l = rcColumn.left;
    const int r = rcColumn.right;
    const int b = rcColumn.bottom;
    // Points up at the column from just below its label box.
    const CPoint corners[3] = {CPoint(l + 10, b + 7), CPoint(r - 10, b + 7), CPoint(l + (r - l) / 2, b)};
    CStaffWindowDC dc(this);
    CBrush* oldBrush = dc.SelectObject(&m_brRed);
    dc.Polygon(corners, 3);
    dc.SelectObject(oldBrush);
    m_rcMarker = CRect(l, b, r, b + 10);
}

void CStaffView::EraseMarker()
{
    if (m_rcMarker.IsRectEmpty())
        return;
    CStaffWindowDC dc(this);
    dc.FillRect(m_rcMarker, &m_brBackground);
    m_rcMarker.SetRectEmpty();
}
