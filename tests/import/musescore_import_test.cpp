// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's score as MuseScore 3 (Debian's musescore3) writes it, in
// MusicXML, compressed MusicXML and MIDI, imported: ties, a chord, a
// second voice, sixteenths, triplets, clef changes, a key of three sharps,
// notes above and below the staff, and a second part to choose.
#include "import/import_error.h"
#include "import/import_file.h"
#include "import/import_summary.h"
#include "import/staff_fitting.h"
#include "support/external_tool.h"
#include "support/scratch_folder.h"

#include <memory>

namespace {

constexpr std::size_t kMostNotes = 100000;
// MuseScore's first start in a fresh home sets itself up for a while.
constexpr int kMuseScoreTimeoutMs = 120000;

// Twelve divisions a quarter: sixteenths and triplet eighths are whole.
const QByteArray kTeacherScore = R"(<?xml version="1.0" encoding="UTF-8"?>
<score-partwise version="3.1">
<work><work-title>Etude in A for the young cellist</work-title></work>
<identification><creator type="composer">Anna Teacher</creator></identification>
<part-list>
<score-part id="P1"><part-name>Violoncello</part-name></score-part>
<score-part id="P2"><part-name>Piano</part-name></score-part>
</part-list>
<part id="P1">
<measure number="1">
<attributes><divisions>12</divisions><key><fifths>3</fifths></key><time><beats>4</beats><beat-type>4</beat-type></time>
<clef><sign>F</sign><line>4</line></clef></attributes>
<direction><direction-type><metronome><beat-unit>quarter</beat-unit><per-minute>90</per-minute></metronome></direction-type>
<sound tempo="90"/></direction>
<note><pitch><step>C</step><alter>1</alter><octave>3</octave></pitch><duration>12</duration><voice>1</voice><type>quarter</type></note>
<note><pitch><step>E</step><octave>3</octave></pitch><duration>3</duration><voice>1</voice><type>16th</type></note>
<note><pitch><step>F</step><alter>1</alter><octave>3</octave></pitch><duration>3</duration><voice>1</voice><type>16th</type></note>
<note><rest/><duration>6</duration><voice>1</voice><type>eighth</type></note>
<note><pitch><step>A</step><octave>3</octave></pitch><duration>24</duration><tie type="start"/><voice>1</voice><type>half</type>
<notations><tied type="start"/></notations></note>
</measure>
<measure number="2">
<note><pitch><step>A</step><octave>3</octave></pitch><duration>12</duration><tie type="stop"/><voice>1</voice><type>quarter</type>
<notations><tied type="stop"/></notations></note>
<note><pitch><step>A</step><octave>2</octave></pitch><duration>12</duration><voice>1</voice><type>quarter</type></note>
<note><chord/><pitch><step>E</step><octave>3</octave></pitch><duration>12</duration><voice>1</voice><type>quarter</type></note>
<note><chord/><pitch><step>C</step><alter>1</alter><octave>4</octave></pitch><duration>12</duration><voice>1</voice><type>quarter</type></note>
<attributes><clef><sign>C</sign><line>4</line></clef></attributes>
<note><pitch><step>D</step><octave>4</octave></pitch><duration>24</duration><voice>1</voice><type>half</type></note>
<backup><duration>48</duration></backup>
<note><pitch><step>A</step><octave>2</octave></pitch><duration>48</duration><voice>2</voice><type>whole</type></note>
</measure>
<measure number="3">
<note><pitch><step>B</step><octave>3</octave></pitch><duration>4</duration><voice>1</voice><type>eighth</type>
<time-modification><actual-notes>3</actual-notes><normal-notes>2</normal-notes></time-modification>
<notations><tuplet type="start"/></notations></note>
<note><pitch><step>C</step><alter>1</alter><octave>4</octave></pitch><duration>4</duration><voice>1</voice><type>eighth</type>
<time-modification><actual-notes>3</actual-notes><normal-notes>2</normal-notes></time-modification></note>
<note><pitch><step>D</step><octave>4</octave></pitch><duration>4</duration><voice>1</voice><type>eighth</type>
<time-modification><actual-notes>3</actual-notes><normal-notes>2</normal-notes></time-modification>
<notations><tuplet type="stop"/></notations></note>
<note><pitch><step>E</step><octave>4</octave></pitch><duration>12</duration><voice>1</voice><type>quarter</type></note>
<note><pitch><step>G</step><alter>1</alter><octave>4</octave></pitch><duration>24</duration><voice>1</voice><type>half</type></note>
</measure>
<measure number="4">
<attributes><clef><sign>F</sign><line>4</line></clef></attributes>
<note><pitch><step>E</step><octave>1</octave></pitch><duration>12</duration><voice>1</voice><type>quarter</type></note>
<note><rest/><duration>36</duration><voice>1</voice><type>half</type><dot/></note>
</measure>
</part>
<part id="P2">
<measure number="1">
<attributes><divisions>12</divisions><key><fifths>3</fifths></key><time><beats>4</beats><beat-type>4</beat-type></time>
<clef><sign>G</sign><line>2</line></clef></attributes>
<note><pitch><step>A</step><octave>3</octave></pitch><duration>48</duration><voice>1</voice><type>whole</type></note>
<note><chord/><pitch><step>C</step><alter>1</alter><octave>4</octave></pitch><duration>48</duration><voice>1</voice><type>whole</type></note>
<note><chord/><pitch><step>E</step><octave>4</octave></pitch><duration>48</duration><voice>1</voice><type>whole</type></note>
</measure>
<measure number="2"><note><rest measure="yes"/><duration>48</duration><voice>1</voice></note></measure>
</part>
</score-partwise>
)";

using Records = std::vector<std::pair<NoteValue, int>>;
constexpr int kRest = kRestPitch;

// The cello's line as the staff writes it: the tied A3 a dotted half, the
// chord's top C#4, sixteenths and triplets as eighths, G#4 an octave
// down, E1 an octave up, the eighth rest a quarter rest.
const Records kCelloLine = {
    {NoteQuarter, 49}, {NoteEighth, 52}, {NoteEighth, 54}, {NoteRest, kRest}, {NoteDottedHalf, 57}, {NoteQuarter, 61},
    {NoteHalf, 62},    {NoteEighth, 59}, {NoteEighth, 61}, {NoteEighth, 62},  {NoteQuarter, 64},    {NoteHalf, 56},
    {NoteQuarter, 40}};
const QString kCelloChanges = QStringLiteral(
    "3 eighth triplets were written as eighths; 2 sixteenths were written as eighths; 1 eighth rest was written as "
    "a quarter rest; 1 note above E4 was moved down an octave; 1 note below C2 was moved up an octave; ");

Records WithRests(Records records, int rests)
{
    records.insert(records.end(), std::size_t(rests), {NoteRest, kRest});
    return records;
}

class MuseScoreImport : public ::testing::Test {
protected:
    // One run of MuseScore writes the score in the three formats.
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<CScratchFolder>();
        const QString in = s_folder->Write(kTeacherScore, QStringLiteral("teacher.musicxml"));
        QStringList out;
        for (const char* name : {"teacher-ms.musicxml", "teacher-ms.mxl", "teacher-ms.mid"})
            out << QLatin1Char('"') + s_folder->filePath(QLatin1String(name)) + QLatin1Char('"');
        const QString job = s_folder->Write(
            QStringLiteral(R"([{"in": "%1", "out": [%2]}])").arg(in, out.join(QLatin1Char(','))).toUtf8(),
            QStringLiteral("job.json"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), s_folder->path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const ToolRun run = RunExternalTool(QStringLiteral("mscore3"), {QStringLiteral("-j"), job}, environment,
                                            kMuseScoreTimeoutMs);
        EXPECT_TRUE(run.Succeeded()) << run.err.toStdString() << " (scripts/install-deps installs musescore3)";
    }
    static void TearDownTestSuite() { s_folder.reset(); }

    static std::unique_ptr<CScratchFolder> s_folder;
};

std::unique_ptr<CScratchFolder> MuseScoreImport::s_folder;

TEST_F(MuseScoreImport, EachFormatGivesTheChosenPartsLineAndSaysWhatChanged)
{
    const struct {
        const char* file;
        std::size_t part;
        PartNames parts;
        Records notes;
        QString title;
        QString summary;
    } cases[] = {
        {"teacher-ms.musicxml", 0, {"Violoncello", "Piano"}, WithRests(kCelloLine, 3), "Etude in A for the young celli",
         "12 notes and 4 rests imported. " + kCelloChanges +
             "2 notes below the top of chords were left out; 1 note of another voice was left out; the title was "
             "cut to 30 characters."},
        {"teacher-ms.mxl", 0, {"Violoncello", "Piano"}, WithRests(kCelloLine, 3), "Etude in A for the young celli",
         "12 notes and 4 rests imported. " + kCelloChanges +
             "2 notes below the top of chords were left out; 1 note of another voice was left out; the title was "
             "cut to 30 characters."},
        // A MIDI file has no rests at its end, no voices and no title: the
        // second voice's A2 sounds under the tied A3, and MuseScore strikes
        // no second A2 for the chord while it sounds.
        {"teacher-ms.mid", 0, {"Track 2", "Track 3"}, kCelloLine, "",
         "12 notes and 1 rest imported. " + kCelloChanges + "2 notes below the top of chords were left out."},
        // MuseScore fills the piano's bars past its rest with no rest, only
        // time: no rest is written there, so none is made.
        {"teacher-ms.musicxml", 1, {"Violoncello", "Piano"}, WithRests({{NoteWhole, 64}}, 4),
         "Etude in A for the young celli",
         "1 note and 4 rests imported. 2 notes below the top of chords were left out; the title was cut to 30 "
         "characters."},
        {"teacher-ms.mid", 1, {"Track 2", "Track 3"}, {{NoteWhole, 64}}, "",
         "1 note imported. 2 notes below the top of chords were left out."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " part " + std::to_string(c.part));
        try {
            const CImportFile file = CImportFile::Read(s_folder->filePath(QLatin1String(c.file)));
            EXPECT_EQ(file.Parts(), c.parts);
            const ImportedMelody melody = FitToStaff(file.Line(c.part, kMostNotes), kMostNotes);
            EXPECT_EQ(melody.notes, c.notes);
            EXPECT_EQ(melody.key, KeyChromatic);
            EXPECT_NEAR(melody.quarterBpm.value_or(0), 90, 0.01);
            EXPECT_EQ(melody.title, c.title);
            EXPECT_EQ(melody.composer, QString(c.title.isEmpty() ? "" : "Anna Teacher"));
            EXPECT_EQ(ImportSummary(melody.report).toStdString(), c.summary.toStdString());
        } catch (const CImportError& error) {
            ADD_FAILURE() << error.Message(QLatin1String(c.file)).toStdString();
        }
    }
}

} // namespace
