// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The melody file: key, tempo, title, composer and the melody's records.
#include "doc/voldrim_doc.h"

#include "framework/archive.h"
#include "model/key.h"
#include "model/note_value.h"
#include "model/pitch.h"
#include "sound/tempo_table.h"

#include <algorithm>

namespace {

// The values a melody file may carry. The program writes no others; a
// file with others is damaged, and taking it would crash or hang: a key
// outside the key tables, a tempo that makes the playback timer spin or
// never tick, a note length that never ends, a pitch that is no MIDI note.
constexpr int kHighestMidiPitch = 127;

bool IsKnownKey(int key)
{
    return key >= KeyC && key <= KeyChromatic;
}

// From the fastest to the slowest step of the tempo dialog.
bool IsPlayableTempo(int tempo)
{
    return tempo >= TempoMsAt(0) && tempo <= TempoMsAt(kSlowestTempoPosition);
}

// A rest, or a MIDI note. Notes that no staff row shows are kept: the
// staff gives them no column, and saving writes them back as they came.
bool IsMelodyPitch(int pitch)
{
    return pitch == kRestPitch || (pitch >= kNoPitch && pitch <= kHighestMidiPitch);
}

bool IsMelodyRecord(const std::unique_ptr<CNoteSeries>& record)
{
    return IsNoteValue(record->GetValue()) && IsMelodyPitch(record->GetPitch());
}

} // namespace

void CVoldrimDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nKey << m_nTempo << m_strMelodyTitle << m_strMelodyComposer;
        SerializeObjectList(ar, m_melody);
        return;
    }

    int key = 0;
    int tempo = 0;
    CString title;
    CString composer;
    CObjectList<CNoteSeries> melody;
    ar.SetLoadLimits(kLongestMelodyText, kMostMelodyNotes);
    ar >> key >> tempo >> title >> composer;
    SerializeObjectList(ar, melody);
    if (!IsKnownKey(key) || !IsPlayableTempo(tempo) || !std::all_of(melody.begin(), melody.end(), IsMelodyRecord))
        AfxThrowArchiveException(CArchiveException::badValue);

    m_nTempo = tempo;
    TakeMelody(static_cast<Key>(key), title, composer, std::move(melody));
}
