// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/score_measures.h"

#include "model/note_value.h"

#include <algorithm>

namespace {

// The lengths one note shows, longest first.
constexpr int kWrittenTicks[] = {NoteWhole, NoteDottedHalf, NoteHalf, NoteDottedQuarter, NoteQuarter, NoteEighth};

// The longest single note that fits the ticks.
int LongestWritten(int ticks)
{
    for (int written : kWrittenTicks) {
        if (written <= ticks)
            return written;
    }
    return NoteEighth;
}

// Runs of two or more eighth notes inside one beam group are beamed.
void BeamEighths(std::vector<ScorePiece>& pieces, int beamTicks)
{
    int at = 0;
    std::size_t runStart = 0;
    std::size_t runLength = 0;
    auto closeRun = [&] {
        if (runLength >= 2) {
            pieces[runStart].beam = BeamPart::Begin;
            for (std::size_t i = runStart + 1; i + 1 < runStart + runLength; ++i)
                pieces[i].beam = BeamPart::Continue;
            pieces[runStart + runLength - 1].beam = BeamPart::End;
        }
        runLength = 0;
    };
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const ScorePiece& piece = pieces[i];
        const bool beamable = piece.ticks == NoteEighth && !piece.IsRest();
        if (!beamable || at % beamTicks == 0)
            closeRun();
        if (beamable) {
            if (runLength == 0)
                runStart = i;
            ++runLength;
        }
        at += piece.ticks;
    }
    closeRun();
}

std::vector<ScoreMeasure> OneNoteABar(const std::vector<ExportNote>& notes)
{
    std::vector<ScoreMeasure> measures;
    measures.reserve(notes.size());
    for (const ExportNote& note : notes)
        measures.push_back({{ScorePiece{note.pitch, note.ticks}}, 0});
    return measures;
}

} // namespace

std::vector<ScoreMeasure> ScoreMeasures(const std::vector<ExportNote>& notes, const Meter& meter)
{
    if (meter.IsNone())
        return OneNoteABar(notes);
    const int barTicks = meter.BarTicks();
    std::vector<ScoreMeasure> measures;
    int at = barTicks; // in the bar under way; a full bar opens the next
    for (const ExportNote& note : notes) {
        int left = note.ticks;
        bool tied = false;
        while (left > 0) {
            if (at == barTicks) {
                measures.emplace_back();
                at = 0;
            }
            ScorePiece piece{note.pitch, LongestWritten(std::min(left, barTicks - at))};
            // A rest split in two is two rests, not tied ones.
            piece.tiedFromBefore = tied && !note.IsRest();
            left -= piece.ticks;
            at += piece.ticks;
            piece.tiedToNext = left > 0 && !note.IsRest();
            tied = true;
            measures.back().pieces.push_back(piece);
        }
    }
    if (!measures.empty())
        measures.back().unfilledTicks = barTicks - at;
    for (ScoreMeasure& measure : measures)
        BeamEighths(measure.pieces, meter.BeamTicks());
    return measures;
}
