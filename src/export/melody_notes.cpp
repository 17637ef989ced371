// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/melody_notes.h"

#include "doc/voldrim_doc.h"
#include "model/note_value.h"
#include "model/staff_position_table.h"
#include "sound/midi_device.h"
#include "sound/tempo_table.h"

namespace {
bool ShownOnStaff(int pitch)
{
    return pitch == kRestPitch || StaffRowOfPitch(pitch) != kNoStaffRow;
}
} // namespace

std::vector<ExportNote> ExportNotes(const CObjectList<CNoteSeries>& melody)
{
    std::vector<ExportNote> notes;
    for (const auto& record : melody) {
        if (ShownOnStaff(record->GetPitch()))
            notes.push_back({record->GetPitch(), PlaybackTicks(record->GetPitch(), record->GetValue())});
    }
    return notes;
}

ScoreMelody ScoreMelodyOf(const CVoldrimDoc& doc)
{
    const CMidiDevice defaults;
    const CMidiDevice& output = doc.m_pMidiDevice ? *doc.m_pMidiDevice : defaults;
    ScoreMelody melody;
    melody.title = doc.m_strMelodyTitle;
    melody.composer = doc.m_strMelodyComposer;
    melody.key = doc.m_nKey;
    melody.beatMs = doc.m_nTempo;
    melody.beatsPerMinute = TempoBpmOf(doc.m_nTempo);
    melody.channel = output.GetChannel();
    melody.program = output.GetProgram();
    melody.notes = ExportNotes(doc.m_melody);
    return melody;
}
