// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A note written or clicked on the staff sounds for one second.
#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "sound/midi_device.h"
#include "views/staff/staff_view.h"

namespace {
constexpr UINT kSingleNoteMs = 1000;
}

void CStaffView::SoundNote(int pitch)
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc)
        return;
    // The note has reached the staff, heard or not.
    doc->m_bStaffNoteShown = true;
    CMidiDevice* midi = doc->m_pMidiDevice;
    if (!doc->m_bUseMidi || !midi)
        return;
    if (m_nPlayingNote != kNoPitch) {
        KillTimer(kSingleNoteTimer);
        if (!midi->PlayNoteOff(m_nPlayingNote))
            AfxMessageBox(CString("MIDI ERROR"));
    }
    if (SetTimer(kSingleNoteTimer, kSingleNoteMs) != kSingleNoteTimer)
        AfxMessageBox(CString("Timer Not Set"));
    if (!midi->PlayNoteOn(pitch))
        AfxMessageBox(CString("MIDI ERROR"));
    m_nPlayingNote = pitch;
}

void CStaffView::EndSingleNote()
{
    KillTimer(kSingleNoteTimer);
    CVoldrimDoc* doc = GetDocument();
    if (!doc || !doc->m_pMidiDevice || m_nPlayingNote == kNoPitch)
        return;
    if (doc->m_pMidiDevice->PlayNoteOff(m_nPlayingNote))
        m_nPlayingNote = kNoPitch;
    else
        AfxMessageBox(CString("MIDI ERROR - in PlayNoteOff"));
}
