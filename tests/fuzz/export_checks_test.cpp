// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The readers the export fuzzer checks files with (fuzz/support): what the
// writers make of any melody passes, and a file broken in a way a
// notation program or sequencer would refuse, or that says another melody,
// is named for what is wrong.
#include "export/export_fixture.h"
#include "export/melody_notes.h"
#include "export/midi_file_writer.h"
#include "export/musicxml_writer.h"
#include "support/export_checks.h"

#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

using Records = std::vector<std::pair<int, int>>;

using ExportChecks = ExportFixture;

TEST_F(ExportChecks, WhatTheWritersMakeOfAnyMelodyPasses)
{
    const struct {
        const char* melody;
        Key key;
        Records records;
        int titleLength;
    } cases[] = {
        {"empty", KeyC, {}, 0},
        {"every value, a rest, a long title", KeyG, {{1, 36}, {2, 43}, {3, 50}, {4, 57}, {6, 64}, {8, 40}, {999, 999}},
         300},
        {"only pitches no row shows", KeyF, {{2, 100}, {2, 0}, {8, 35}}, 0},
        {"the same note again, rests of note values, a note of the rest's value", KeyChromatic,
         {{2, 49}, {2, 49}, {8, 999}, {999, 51}, {2, 100}, {1, 63}}, 1},
    };
    for (const auto& c : cases) {
        SetMelody(c.key, c.records);
        m_doc.m_strMelodyTitle = CString(c.titleLength, QLatin1Char('t'));
        const ShownMelody shown = ShownMelodyOf(m_doc.m_melody);
        EXPECT_EQ(MusicXmlFault(MelodyToMusicXml(ScoreMelodyOf(m_doc)), shown), "") << c.melody;
        EXPECT_EQ(MidiFileFault(MelodyToMidiFile(ScoreMelodyOf(m_doc)), shown), "") << c.melody;
    }
}

TEST_F(ExportChecks, TheMelodyIsWhatTheStaffShowsAndPlays)
{
    const struct {
        const char* melody;
        Records records;
        ShownMelody shown;
    } cases[] = {
        {"a half note", {{4, 48}}, {1, 0, 4}},
        {"a rest", {{999, 999}}, {0, 1, 2}},
        {"a rest of a whole note's value lasts a quarter", {{8, 999}}, {0, 1, 2}},
        {"a note of the rest's value lasts a quarter", {{999, 48}}, {1, 0, 2}},
        {"pitches no row shows", {{2, 100}, {2, 0}, {2, 35}, {2, 65}}, {0, 0, 0}},
        {"the lowest and highest rows", {{1, 36}, {6, 64}}, {2, 0, 7}},
    };
    for (const auto& c : cases) {
        SetMelody(KeyC, c.records);
        const ShownMelody shown = ShownMelodyOf(m_doc.m_melody);
        EXPECT_EQ(shown.notes, c.shown.notes) << c.melody;
        EXPECT_EQ(shown.rests, c.shown.rests) << c.melody;
        EXPECT_EQ(shown.ticks, c.shown.ticks) << c.melody;
    }
}

// A file in format 0 of one track holding the events, at 480 ticks a quarter.
QByteArray MidiFile(const QByteArray& events, const char* header = "0000 0001 01e0")
{
    QByteArray length(4, '\0');
    for (int i = 0; i < 4; ++i)
        length[i] = char(events.size() >> (8 * (3 - i)) & 0xFF);
    return "MThd" + Hex("00000006") + Hex(header) + "MTrk" + length + events;
}

TEST(MidiFileFault, NamesWhatIsWrong)
{
    // A quarter note C3 (480 ticks), then the end of the track.
    const QByteArray note = Hex("00 90 30 7f  83 60 80 30 40");
    const QByteArray end = Hex("00 ff 2f 00");
    const QByteArray valid = MidiFile(note + end);
    const ShownMelody quarter{1, 0, 2};
    const struct {
        const char* file;
        QByteArray bytes;
        ShownMelody melody;
        const char* fault;
    } cases[] = {
        {"valid", valid, quarter, ""},
        {"running status, a note-on of velocity 0 as its end",
         MidiFile(Hex("00 90 30 7f 83 60 30 00") + end), quarter, ""},
        {"a chunk of another type, skipped", valid + "XFIL" + Hex("00000002 abcd"), quarter, ""},
        {"a rest after the note", MidiFile(note + Hex("83 60 ff 2f 00")), {1, 1, 4}, ""},
        {"cut short", valid.chopped(1), quarter, "a chunk longer than the file"},
        {"a chunk header cut short", valid + "MTr", quarter, "a chunk header cut short"},
        {"a delta time of five bytes", MidiFile(Hex("81 80 80 80 00") + note + end), quarter,
         "a variable-length number of more than four bytes"},
        {"no end of track", MidiFile(note), quarter, "the track does not end with End of Track"},
        {"an event after the end", MidiFile(note + end + Hex("00 c0 2a")), quarter,
         "an event after the end of the track"},
        {"a meta event longer than its track", MidiFile(note + Hex("00 ff 03 05 41")), quarter,
         "a meta event longer than its track"},
        {"a note that never ends", MidiFile(Hex("00 90 30 7f 83 60 ff 2f 00")), quarter,
         "a note still sounds at the end of the track"},
        {"a note ends twice", MidiFile(note + Hex("00 80 30 40") + end), quarter, "a note ends that does not sound"},
        {"the note ends on another channel", MidiFile(Hex("00 90 30 7f 83 60 81 30 40") + end), quarter,
         "a note ends that does not sound"},
        {"a data byte above 127", MidiFile(Hex("00 90 b0 7f") + end), quarter, "a data byte above 127"},
        {"data with no status", MidiFile(Hex("00 30 7f") + end), quarter, "data with no status before it"},
        {"a system message", MidiFile(Hex("00 f1 00") + end), quarter, "a system message, which a file may not hold"},
        {"format 1", MidiFile(note + end, "0001 0001 01e0"), quarter, "not a file of one track in format 0"},
        {"frames a second for a division", MidiFile(note + end, "0000 0001 e728"), quarter,
         "a division that is no number of ticks a quarter note"},
        {"two tracks for one", valid + "MTrk" + Hex("00000004") + end, quarter,
         "another number of tracks than the header says"},
        {"a note short of the melody", valid, {2, 0, 4}, "another number of notes than the staff shows"},
        {"ends before the melody's rest", valid, {1, 1, 4}, "the track does not end when the melody does"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MidiFileFault(c.bytes, c.melody), c.fault) << c.file;
}

// A score of the notes, in divisions of the given number a quarter.
QByteArray Score(const QByteArray& notes, int divisions = 2)
{
    return "<?xml version=\"1.0\"?><score-partwise version=\"4.0\"><part id=\"P1\"><measure number=\"1\">"
           "<attributes><divisions>" + QByteArray::number(divisions) + "</divisions></attributes>" + notes +
           "</measure></part></score-partwise>";
}

QByteArray Note(int duration)
{
    return "<note><pitch><step>C</step><octave>3</octave></pitch><duration>" + QByteArray::number(duration) +
           "</duration></note>";
}

QByteArray Rest(int duration, const char* attributes = "")
{
    return "<note><rest" + QByteArray(attributes) + "/><duration>" + QByteArray::number(duration) + "</duration></note>";
}

TEST(MusicXmlFault, NamesWhatIsWrong)
{
    const ShownMelody noteAndRest{1, 1, 4};
    const struct {
        const char* score;
        QByteArray xml;
        ShownMelody melody;
        const char* fault;
    } cases[] = {
        {"valid", Score(Note(2) + Rest(2)), noteAndRest, ""},
        {"in divisions of 480", Score(Note(480) + Rest(480), 480), noteAndRest, ""},
        {"an empty melody's measure rest", Score(Rest(8, " measure=\"yes\"")), {0, 0, 0}, ""},
        {"an empty melody's plain rest", Score(Rest(8)), {0, 0, 0}, "an empty melody is not one rest filling its measure"},
        {"a measure rest among notes", Score(Note(2) + Rest(2, " measure=\"yes\"")), noteAndRest,
         "a melody with notes has a measure rest"},
        {"a note short", Score(Rest(2)), noteAndRest, "another number of notes than the staff shows"},
        {"a note for the rest", Score(Note(2) + Note(2)), noteAndRest, "another number of rests than the staff shows"},
        {"the rest an eighth", Score(Note(2) + Rest(1)), noteAndRest,
         "the notes do not last as long as playback gives them"},
        {"a duration in words", Score(Note(2) + "<note><rest/><duration>two</duration></note>"), noteAndRest,
         "<duration> holds no number"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MusicXmlFault(c.xml, c.melody), c.fault) << c.score;

    // A file a reader stops at: an element left open, a character XML has no place for.
    for (const QByteArray& broken : {Score(Note(2) + Rest(2)).chopped(8),
                                     Score("<work-title>\x01</work-title>" + Note(2) + Rest(2))})
        EXPECT_EQ(MusicXmlFault(broken, noteAndRest).rfind("not well-formed XML at line 1: ", 0), 0u) << broken.data();
}

} // namespace
