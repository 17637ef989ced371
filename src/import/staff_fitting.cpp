// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/staff_fitting.h"

#include "import/import_error.h"
#include "model/staff_position_table.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// What the title dialog takes of a title or composer.
constexpr int kLongestTitle = 30;
// A silence shorter than an eighth is the end of the note before it, as
// a player lifts the bow, not a rest.
constexpr double kShortestRest = 0.5;
// What a player's articulation, or a program's, takes from a note: a
// difference this small is no change of length, and a silence this short
// no silence worth saying.
constexpr double kUnnoticed = 1.0 / 32;
constexpr int kSemitonesPerOctave = 12;
constexpr double kEighthsPerQuarter = 2;

// The values a note may take, in eighths, shortest first.
constexpr NoteValue kValues[] = {NoteEighth, NoteQuarter, NoteDottedQuarter, NoteHalf, NoteDottedHalf, NoteWhole};

const struct {
    double quarters;
    LengthName name;
} kNamedLengths[] = {
    {0.125, {"thirty-second", "thirty-seconds"}},
    {1.0 / 6, {"sixteenth triplet", "sixteenth triplets"}},
    {0.25, {"sixteenth", "sixteenths"}},
    {1.0 / 3, {"eighth triplet", "eighth triplets"}},
    {0.375, {"dotted sixteenth", "dotted sixteenths"}},
    {0.5, {"eighth", "eighths"}},
    {2.0 / 3, {"quarter triplet", "quarter triplets"}},
    {0.75, {"dotted eighth", "dotted eighths"}},
    {1, {"quarter", "quarters"}},
    {4.0 / 3, {"half triplet", "half triplets"}},
    {1.5, {"dotted quarter", "dotted quarters"}},
    {1.75, {"double-dotted quarter", "double-dotted quarters"}},
    {2, {"half", "halves"}},
    {3, {"dotted half", "dotted halves"}},
    {3.5, {"double-dotted half", "double-dotted halves"}},
    {4, {"whole", "whole notes"}},
    {6, {"dotted whole", "dotted whole notes"}},
    {8, {"double whole", "double whole notes"}},
};

bool Same(double a, double b)
{
    return std::abs(a - b) < kUnnoticed;
}

// The nearest value; between two, the shorter.
NoteValue NearestValue(double quarters)
{
    const double eighths = quarters * kEighthsPerQuarter;
    NoteValue nearest = kValues[0];
    for (NoteValue value : kValues) {
        if (std::abs(value - eighths) < std::abs(nearest - eighths) - kSameTime)
            nearest = value;
    }
    return nearest;
}

QString CutTitle(const QString& text, bool& cut)
{
    QString kept;
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            kept += c;
    }
    kept = kept.simplified();
    cut = kept.size() > kLongestTitle;
    return kept.left(kLongestTitle);
}

// A note or a silence, before it takes a value.
struct Sound {
    double length = 0;
    int pitch = kRestPitch; // kRestPitch for a silence
    bool written = false;   // a silence that holds a written rest
};

// Rests and gaps between notes become one silence; one shorter than an
// eighth lengthens the note before it.
std::vector<Sound> SoundsOf(const ScoreLine& line, ImportReport& report)
{
    std::vector<LineNote> notes = line.notes;
    std::stable_sort(notes.begin(), notes.end(),
                     [](const LineNote& a, const LineNote& b) { return a.start < b.start - kSameTime; });
    std::vector<Sound> sounds;
    Sound silence;
    double at = 0;
    auto endSilence = [&] {
        if (silence.length < kSameTime && !silence.written)
            return;
        if (silence.length < kShortestRest - kSameTime && !silence.written) {
            report.silencesJoined += silence.length < kUnnoticed ? 0 : 1;
            if (!sounds.empty())
                sounds.back().length += silence.length;
        } else {
            sounds.push_back(silence);
        }
        silence = Sound();
    };
    for (const LineNote& note : notes) {
        if (note.start > at)
            silence.length += note.start - at;
        at = std::max(at, note.start + note.length);
        if (note.pitch == kRestPitch) {
            silence.length += note.length;
            silence.written = true;
            continue;
        }
        endSilence();
        sounds.push_back({note.length, note.pitch, false});
    }
    // A silence after the last note is kept when a rest is written there,
    // or the part is said to go on.
    if (line.end && *line.end > at)
        silence.length += *line.end - at;
    if (silence.written || line.end)
        endSilence();
    return sounds;
}

class StaffFitter {
public:
    StaffFitter(ImportedMelody& melody, std::size_t mostNotes) : m_melody(melody), m_mostNotes(mostNotes) {}

    void Add(const Sound& sound)
    {
        if (sound.pitch == kRestPitch)
            AddSilence(sound.length);
        else
            AddNote(sound.length, sound.pitch);
    }

private:
    ImportReport& Report() { return m_melody.report; }

    void Make(std::size_t count)
    {
        if (count > m_mostNotes - m_melody.notes.size())
            throw CImportError(ImportProblem::TooManyNotes);
    }

    void AddSilence(double quarters)
    {
        // Rounded half up, and at least one: a rest stays a rest.
        const double rounded = std::max(1.0, std::floor(quarters + 0.5));
        Make(rounded > double(m_mostNotes) ? m_mostNotes + 1 : std::size_t(rounded));
        const int rests = int(rounded);
        if (!Same(rounded, quarters))
            ++Report().restLengths[{NamedLengthIndex(quarters), rests}];
        m_melody.notes.insert(m_melody.notes.end(), std::size_t(rests), {NoteRest, kRestPitch});
        Report().rests += rests;
    }

    void AddNote(double quarters, int pitch)
    {
        int octaves = 0;
        while (pitch > kHighestStaffPitch) {
            pitch -= kSemitonesPerOctave;
            --octaves;
        }
        while (pitch < kLowestStopPitch) {
            pitch += kSemitonesPerOctave;
            ++octaves;
        }
        if (!StaffShowsPitch(pitch)) {
            ++Report().offStaff;
            return;
        }
        if (octaves != 0)
            ++Report().octaveMoves[octaves];
        const NoteValue value = NearestValue(quarters);
        if (!Same(value / kEighthsPerQuarter, quarters))
            ++Report().noteLengths[{NamedLengthIndex(quarters), value}];
        Make(1);
        m_melody.notes.emplace_back(value, pitch);
        ++Report().notes;
    }

    ImportedMelody& m_melody;
    std::size_t m_mostNotes;
};

} // namespace

Key KeyOfFifths(std::optional<int> fifths)
{
    switch (fifths.value_or(0)) {
    case 0: return KeyC;
    case 1: return KeyG;
    case 2: return KeyD;
    case -1: return KeyF;
    case -2: return KeyBb;
    default: return KeyChromatic;
    }
}

int NamedLengthIndex(double quarters)
{
    for (std::size_t i = 0; i < std::size(kNamedLengths); ++i) {
        if (Same(kNamedLengths[i].quarters, quarters))
            return int(i);
    }
    return kOtherLength;
}

LengthName NamedLength(int index)
{
    if (index < 0 || std::size_t(index) >= std::size(kNamedLengths))
        return {"note of another length", "notes of other lengths"};
    return kNamedLengths[index].name;
}

ImportedMelody FitToStaff(const ScoreLine& line, std::size_t mostNotes)
{
    ImportedMelody melody;
    melody.key = KeyOfFifths(line.fifths);
    melody.quarterBpm = line.quarterBpm;
    melody.title = CutTitle(line.title, melody.report.titleCut);
    melody.composer = CutTitle(line.composer, melody.report.composerCut);
    melody.report.leftOut = line.leftOut;
    StaffFitter fitter(melody, mostNotes);
    for (const Sound& sound : SoundsOf(line, melody.report))
        fitter.Add(sound);
    if (melody.report.notes == 0)
        throw CImportError(ImportProblem::NoNotes);
    return melody;
}
