// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Export, then import: a melody of every value and rest comes back as it
// was from MusicXML and MIDI files, in every key and every meter, with its
// tempo and title; and importing a file replaces the melody as opening a
// melody file does.
#include "export/melody_import.h"
#include "export_fixture.h"
#include "model/staff_position_table.h"
#include "sound/tempo_table.h"

namespace {

constexpr Key kKeys[] = {KeyC, KeyG, KeyD, KeyF, KeyBb, KeyChromatic};
constexpr int kRest = kRestPitch;

// Every value on a row of its own, as a click in the key writes it, with
// rests at the start, together in the middle and at the end.
std::vector<std::pair<int, int>> EveryValueAndRest(Key key)
{
    std::vector<std::pair<int, int>> melody = {{NoteRest, kRest}};
    const int values[] = {NoteEighth, NoteQuarter, NoteDottedQuarter, NoteHalf, NoteDottedHalf, NoteWhole,
                          NoteEighth, NoteEighth, NoteEighth};
    int row = 0;
    for (const int value : values) {
        melody.emplace_back(value, StaffPitchForKey(row, key));
        row = (row + 5) % kStaffPositionsPerColumn;
        if (value == NoteHalf) {
            melody.emplace_back(NoteRest, kRest);
            melody.emplace_back(NoteRest, kRest);
        }
    }
    melody.emplace_back(NoteRest, kRest);
    return melody;
}

std::vector<std::pair<int, int>> RecordsOf(const CVoldrimDoc& doc)
{
    std::vector<std::pair<int, int>> records;
    for (const auto& record : doc.m_melody)
        records.emplace_back(record->GetValue(), record->GetPitch());
    return records;
}

using ImportRoundTrip = ExportFixture;

TEST_F(ImportRoundTrip, EveryKeyValueAndRestComesBackFromEachFormatInEachMeter)
{
    for (const ExportFormat format : {ExportFormat::MusicXml, ExportFormat::MidiFile}) {
        for (const Meter& meter : ExportMeters()) {
            for (const Key key : kKeys) {
                const bool midi = format == ExportFormat::MidiFile;
                SCOPED_TRACE((midi ? "MIDI " : "MusicXML ") + MeterText(meter).toStdString() + " " +
                             KeyName(key).toStdString());
                SetMelody(key, EveryValueAndRest(key));
                m_doc.m_strMelodyTitle = QString::fromUtf8("Le Cygne");
                m_doc.m_strMelodyComposer = QString::fromUtf8("Saint-Saëns");
                m_doc.m_nTempo = TempoMsAt(int(key) * 3);
                const QString path = m_folder.filePath(midi ? "round.mid" : "round.musicxml");
                ASSERT_EQ(ExportMelody(m_doc, path, format, nullptr, meter), CString());

                CVoldrimDoc imported;
                const ImportOutcome outcome = ImportMelodyFile(imported, path, FirstPart, ReplaceQuestion());
                EXPECT_EQ(outcome.message, "9 notes and 4 rests imported as written.");
                EXPECT_EQ(RecordsOf(imported), RecordsOf(m_doc));
                // A MIDI file has no key signature for the chromatic key,
                // and no composer.
                EXPECT_EQ(imported.m_nKey, midi && key == KeyChromatic ? KeyC : key);
                EXPECT_EQ(imported.m_nTempo, m_doc.m_nTempo);
                EXPECT_EQ(imported.m_strMelodyTitle, m_doc.m_strMelodyTitle);
                EXPECT_EQ(imported.m_strMelodyComposer, midi ? CString() : m_doc.m_strMelodyComposer);
            }
        }
    }
}

TEST_F(ImportRoundTrip, AnImportIsANewMelodyWithoutAFileOrUndoAndAFailureChangesNothing)
{
    SetMelody(KeyG, {{NoteHalf, 43}, {NoteQuarter, 54}});
    const QString path = Export("tune.musicxml", ExportFormat::MusicXml);
    CVoldrimDoc doc;
    doc.SetPathName(m_folder.filePath("earlier.vdm"));
    {
        CVoldrimDoc::CMelodyChange change(doc);
        doc.m_melody.push_back(std::make_unique<CNoteSeries>(NoteWhole, 36));
    }
    ASSERT_TRUE(doc.CanUndo());

    // The question before replacing keeps the melody when it says no.
    EXPECT_EQ(ImportMelodyFile(doc, path, FirstPart, [] { return false; }).result, ImportOutcome::Cancelled);
    EXPECT_EQ(RecordsOf(doc), (std::vector<std::pair<int, int>>{{NoteWhole, 36}}));
    const QString damaged = m_folder.filePath("damaged.musicxml");
    ASSERT_TRUE(WriteFileBytes(damaged, ReadFileBytes(path).left(300)));
    const ImportOutcome failed = ImportMelodyFile(doc, damaged, FirstPart, ReplaceQuestion());
    EXPECT_EQ(failed.result, ImportOutcome::Failed);
    EXPECT_EQ(failed.message, damaged + " is damaged and cannot be imported.");
    EXPECT_EQ(RecordsOf(doc), (std::vector<std::pair<int, int>>{{NoteWhole, 36}}));

    EXPECT_EQ(ImportMelodyFile(doc, path, FirstPart, ReplaceQuestion()).result, ImportOutcome::Imported);
    EXPECT_EQ(RecordsOf(doc), RecordsOf(m_doc));
    EXPECT_EQ(doc.m_nKey, KeyG);
    EXPECT_TRUE(doc.GetPathName().isEmpty());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(doc.IsModified());
}

} // namespace
