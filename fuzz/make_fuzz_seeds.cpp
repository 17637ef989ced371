// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seeds that stand at the limits of a melody file into the
// folder named on the command line (fuzz/corpus): the fuzzers start from
// them instead of growing a long title or list a few bytes at a time.
// Each is written by the program's own writer where it can write it, and
// must load again as the melody it was made from.
#include "doc/voldrim_doc.h"
#include "support/back_reference_melody.h"
#include "support/file_bytes.h"
#include "support/fuzz_harness.h"
#include "support/recording_midi_output.h"

#include <QDir>

#include <cstdio>

namespace {

// A title or composer longer than a caption shows and than a one-byte
// length can say: its length takes the 2-byte form.
constexpr int kLongTitleLength = 300;
constexpr int kShortTextLength = 30;
constexpr int kSlowTempo = 1500;

// Text of the given length, in words and with letters of Windows-1252
// beyond ASCII.
CString TextOfLength(int length)
{
    const CString words = QString::fromUtf8("Étude für Violoncello, ");
    return words.repeated(length / int(words.size()) + 1).left(length);
}

// Every rhythmic value and a rest across the staff, and a pitch no staff
// row shows, which stays in the melody.
std::vector<CNoteSeries> Phrase()
{
    return {{NoteEighth, 36}, {NoteQuarter, 40}, {NoteDottedQuarter, 43}, {NoteHalf, 47},
            {NoteDottedHalf, 50}, {NoteWhole, 55}, {NoteRest, kRestPitch}, {NoteQuarter, 61},
            {NoteEighth, 64}, {NoteQuarter, 100}};
}

QByteArray SavedBytes(CVoldrimDoc& doc)
{
    const QString path = FuzzFolder().filePath(QStringLiteral("seed.vdm"));
    FuzzCheck(doc.OnSaveDocument(path), "a seed could not be saved");
    return ReadFileBytes(path);
}

QByteArray LongTexts(CVoldrimDoc& doc, int titleLength, int composerLength)
{
    doc.DeleteContents();
    doc.m_nKey = KeyG;
    doc.m_nTempo = kSlowTempo;
    doc.m_strMelodyTitle = TextOfLength(titleLength);
    doc.m_strMelodyComposer = TextOfLength(composerLength);
    for (const CNoteSeries& record : Phrase())
        doc.m_melody.push_back(std::make_unique<CNoteSeries>(record));
    return SavedBytes(doc);
}

void WriteSeed(CVoldrimDoc& doc, const QDir& folder, const char* name, const QByteArray& bytes,
               std::size_t records)
{
    FuzzCheck(OpenMelodyBytes(doc, bytes) && doc.m_melody.size() == records, "a seed does not load whole");
    FuzzCheck(WriteFileBytes(folder.filePath(QLatin1String(name)), bytes), "a seed could not be written");
    std::printf("%s: %lld bytes, %zu records\n", name, static_cast<long long>(bytes.size()), records);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds FOLDER\n");
        return 2;
    }
    StartFuzzTarget("make_fuzz_seeds");
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    CRecordingMidiOutput midi;
    CVoldrimDoc doc;
    const std::size_t phrase = Phrase().size();
    WriteSeed(doc, folder, "title-of-300-characters.vdm", LongTexts(doc, kLongTitleLength, kShortTextLength),
              phrase);
    WriteSeed(doc, folder, "longest-title.vdm",
              LongTexts(doc, int(CVoldrimDoc::kLongestMelodyText), kLongTitleLength), phrase);
    WriteSeed(doc, folder, "most-notes-by-back-references.vdm",
              BackReferenceMelodyBytes(Phrase(), CVoldrimDoc::kMostMelodyNotes - std::uint32_t(phrase)),
              CVoldrimDoc::kMostMelodyNotes);
    return 0;
}
