// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every import fuzzer does with its bytes: read them with its reader
// as File, Import Melody does, every part of them, fitted to the staff and
// summed up. A file may be refused, but only with a problem of its own;
// what it gives must be a melody the staff can write, within the limit of
// notes.
#include "import/import_error.h"
#include "import/import_summary.h"
#include "import/staff_fitting.h"
#include "model/note_value.h"
#include "model/staff_position_table.h"

#include <cstdlib>

namespace import_fuzzing {

// Fewer than a melody may hold, so that the limit is met often.
constexpr std::size_t kMostNotes = 1000;
// Files of many parts are read part by part; a few show every path.
constexpr std::size_t kPartsRead = 4;

inline void CheckMelody(const ImportedMelody& melody)
{
    if (melody.notes.size() > kMostNotes || melody.report.notes == 0 || ImportSummary(melody.report).isEmpty())
        std::abort();
    for (const auto& [value, pitch] : melody.notes) {
        if (!IsNoteValue(value) || !StaffShowsPitch(pitch) || (value == NoteRest) != (pitch == kRestPitch))
            std::abort();
    }
}

// Reads the bytes with one reader: its list of parts, and the line of a
// part (a file, the part, the most notes).
template <class Parts, class Line>
void Import(const QByteArray& bytes, Parts partsOf, Line lineOf)
{
    try {
        const PartNames parts = partsOf(bytes);
        if (parts.empty() || parts.size() > kMostImportParts)
            std::abort();
        for (std::size_t part = 0; part < parts.size() && part < kPartsRead; ++part) {
            try {
                CheckMelody(FitToStaff(lineOf(bytes, part, kMostNotes), kMostNotes));
            } catch (const CImportError&) {
            }
        }
    } catch (const CImportError&) {
    }
}

inline QByteArray BytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace import_fuzzing
