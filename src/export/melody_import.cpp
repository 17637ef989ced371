// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/melody_import.h"

#include "doc/voldrim_doc.h"
#include "import/import_error.h"
#include "import/import_file.h"
#include "import/import_summary.h"
#include "import/staff_fitting.h"
#include "sound/tempo_table.h"

#include <cmath>

namespace {

// The step of the tempo dialog whose figure is nearest; the faster of two.
int NearestTempoPosition(double quarterBpm)
{
    int nearest = 0;
    for (int position = 1; position < kTempoSteps; ++position) {
        if (std::abs(TempoBpmAt(position) - quarterBpm) < std::abs(TempoBpmAt(nearest) - quarterBpm))
            nearest = position;
    }
    return nearest;
}

// The tempo a melody without one starts with, as File New gives it; else
// the nearest step, said when it is not the file's own figure.
int TempoOf(const ImportedMelody& melody, ImportReport& report)
{
    if (!melody.quarterBpm)
        return CVoldrimDoc::kStartTempo;
    const int position = NearestTempoPosition(*melody.quarterBpm);
    // The file's figure, or its beat in whole milliseconds, as a MIDI file
    // of Voldrim's gives it, may be the step's own.
    constexpr double kMillisecondsPerMinute = 60000;
    const int read = int(std::lround(*melody.quarterBpm));
    const long beatMs = std::lround(kMillisecondsPerMinute / *melody.quarterBpm);
    if (read != TempoBpmAt(position) && beatMs != TempoMsAt(position))
        report.tempo = {read, TempoBpmAt(position)};
    return TempoMsAt(position);
}

CObjectList<CNoteSeries> RecordsOf(const ImportedMelody& melody)
{
    CObjectList<CNoteSeries> records;
    records.reserve(melody.notes.size());
    for (const auto& [value, pitch] : melody.notes)
        records.push_back(std::make_unique<CNoteSeries>(value, pitch));
    return records;
}

} // namespace

std::optional<std::size_t> FirstPart(const PartNames&)
{
    return 0;
}

ImportOutcome ImportMelodyFile(CVoldrimDoc& doc, const CString& path, const PartChooser& choosePart,
                               const ReplaceQuestion& mayReplace)
{
    ImportOutcome outcome;
    try {
        const CImportFile file = CImportFile::Read(path);
        const PartNames parts = file.Parts();
        const std::optional<std::size_t> part = parts.size() == 1 ? 0 : choosePart(parts);
        if (!part)
            return outcome;
        ImportedMelody melody = FitToStaff(file.Line(*part, CVoldrimDoc::kMostMelodyNotes), CVoldrimDoc::kMostMelodyNotes);
        const int tempo = TempoOf(melody, melody.report);
        if (mayReplace && !mayReplace())
            return outcome;
        doc.ReplaceMelody(melody.key, tempo, melody.title, melody.composer, RecordsOf(melody));
        outcome.result = ImportOutcome::Imported;
        outcome.message = ImportSummary(melody.report);
    } catch (const CImportError& error) {
        outcome.result = ImportOutcome::Failed;
        outcome.message = error.Message(path);
    }
    return outcome;
}
