// Placeholders until melody entry and playback are written; each is
// replaced by the real operation, and this file then goes.
#include "doc/voldrim_doc.h"
#include "views/staff/staff_view.h"

// TODO(entry): write the note into the next column (asking whether to keep
// the melody when the staff is full), draw and sound it, and rebuild the
// melody list. Until then a note handed over by the fingerboard or a
// question is not written on the staff.
void CStaffView::PlaceNote(int /*pitch*/) {}

// TODO(playback): sound the note for one second through the MIDI device.
// Until then only the note's hand-over is marked done, which is the first
// thing the real operation does too.
void CStaffView::SoundNote(int /*pitch*/)
{
    if (CVoldrimDoc* doc = GetDocument())
        doc->m_bStaffNoteShown = 1;
}
