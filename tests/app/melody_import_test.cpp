// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File, Import Melody in the running program: the part list, the question
// whether to save the melody it replaces, the summary, and the melody kept
// whole when the file is refused or the user cancels; and the same import
// from the command line, which says its summary on standard error.
#include "framework/dialog.h"
#include "res/resource.h"
#include "support/app_harness.h"
#include "support/external_tool.h"
#include "support/scratch_folder.h"
#include "support/scripted_file_dialog.h"

#include <QListWidget>

namespace {

// Two parts: a cello line of a whole C3 and a tied D3, and a piano chord.
const QByteArray kDuet = R"(<?xml version="1.0"?>
<score-partwise version="4.0"><work><work-title>Duet</work-title></work>
<part-list><score-part id="V"><part-name>Violoncello</part-name></score-part>
<score-part id="P"><part-name>Piano</part-name></score-part></part-list>
<part id="V"><measure><attributes><divisions>1</divisions><key><fifths>1</fifths></key></attributes>
<direction><sound tempo="120"/></direction>
<note><pitch><step>C</step><octave>3</octave></pitch><duration>4</duration></note>
<note><pitch><step>D</step><octave>3</octave></pitch><duration>1</duration><tie type="start"/></note></measure>
<measure><note><pitch><step>D</step><octave>3</octave></pitch><duration>1</duration><tie type="stop"/></note></measure></part>
<part id="P"><measure><attributes><divisions>1</divisions></attributes>
<note><pitch><step>E</step><octave>3</octave></pitch><duration>4</duration></note>
<note><chord/><pitch><step>G</step><octave>3</octave></pitch><duration>4</duration></note></measure></part>
</score-partwise>)";

std::vector<std::pair<int, int>> Melody(const CVoldrimDoc* doc)
{
    std::vector<std::pair<int, int>> records;
    for (const auto& record : doc->m_melody)
        records.emplace_back(record->GetValue(), record->GetPitch());
    return records;
}

class MelodyImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_app.Doc()->m_melody.push_back(std::make_unique<CNoteSeries>(NoteWhole, 36));
        m_before = Melody(m_app.Doc());
    }
    // The file chosen in the import dialog, with the menu.
    void ImportFrom(const QString& path)
    {
        m_files.Expect(path);
        ASSERT_TRUE(m_app.ChooseFromMenu(ID_FILE_IMPORT));
    }
    // The part list answered with the part at the index, or cancelled.
    void ChoosePart(std::optional<int> part)
    {
        m_app.m_responder.ExpectDialog([this, part](CDialog& dialog) {
            const auto* list = dialog.GetDlgItemAs<QListWidget>(IDC_IMPORT_PARTS);
            for (int row = 0; list && row < list->count(); ++row)
                m_shownParts << list->item(row)->text();
            if (!part)
                return IDCANCEL;
            dialog.SelectListEntry(IDC_IMPORT_PARTS, *part);
            dialog.ClickButton(IDOK);
            return IDOK;
        });
    }

    CScratchFolder m_folder;
    CAppHarness m_app;
    CScriptedFileDialog m_files;
    std::vector<std::pair<int, int>> m_before;
    QStringList m_shownParts;
};

TEST_F(MelodyImport, ThePartChosenReplacesTheMelodyAfterTheQuestionAndIsSummed)
{
    const QString duet = m_folder.Write(kDuet, "duet.musicxml");
    // Cancelling the part list, then the question, keeps the melody.
    ChoosePart(std::nullopt);
    ImportFrom(duet);
    ChoosePart(0);
    m_app.m_responder.ExpectMessageBox(IDCANCEL);
    ImportFrom(duet);
    EXPECT_EQ(Melody(m_app.Doc()), m_before);
    EXPECT_EQ(m_app.m_responder.Texts(), std::vector<CString>{"Save changes to Untitled?"});

    ChoosePart(1);
    m_app.m_responder.ExpectMessageBox(IDNO);
    m_app.m_responder.ExpectMessageBox();
    ImportFrom(duet);
    EXPECT_EQ(m_shownParts, QStringList({"Violoncello", "Piano", "Violoncello", "Piano", "Violoncello", "Piano"}));
    EXPECT_EQ(Melody(m_app.Doc()), (std::vector<std::pair<int, int>>{{NoteWhole, 55}}));
    EXPECT_EQ(m_app.m_responder.Texts().back(),
              "1 note imported. 1 note below the top of a chord was left out; the tempo, 120 beats a minute, was "
              "set to the nearest step, 126.");
    EXPECT_EQ(m_app.Doc()->m_nKey, KeyC);
    EXPECT_EQ(m_app.Doc()->m_nTempo, 476);
    EXPECT_EQ(m_app.Doc()->m_strMelodyTitle, "Duet");
    EXPECT_TRUE(m_app.Doc()->GetPathName().isEmpty());
    const CFileDialogRequest& request = m_files.Requests().front();
    EXPECT_TRUE(request.m_bOpen);
    EXPECT_TRUE(request.m_strFilter.startsWith("Scores and MIDI Files (*.musicxml *.xml *.mxl *.mid *.midi)"));
}

TEST_F(MelodyImport, ARefusedFileIsSaidAndLeavesTheMelodyWithoutAQuestion)
{
    const QString text = m_folder.Write("Twinkle, twinkle", "tune.musicxml");
    m_app.m_responder.ExpectMessageBox();
    ImportFrom(text);
    EXPECT_EQ(m_app.m_responder.Texts(), std::vector<CString>{text + " is not a MusicXML score."});
    EXPECT_EQ(Melody(m_app.Doc()), m_before);
}

TEST_F(MelodyImport, IsRefusedWhileAMelodyPlays)
{
    m_app.Doc()->m_bPlaying = true;
    EXPECT_FALSE(m_app.IsEnabled(ID_FILE_IMPORT));
    m_app.m_app->OnFileImport();
    EXPECT_TRUE(m_files.Requests().empty());
}

TEST(CommandLineImport, ExportReadsAScoreSaysItsSummaryAndWritesAMelodyFileOrAMeter)
{
    CScratchFolder folder;
    const QString duet = folder.Write(kDuet, "duet.musicxml");
    const QString melody = folder.filePath("duet.vdm");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    const ToolRun run = RunExternalTool(QStringLiteral(VOLDRIM_PROGRAM), {"--export", duet, melody}, environment);
    EXPECT_TRUE(run.Succeeded()) << run.err.toStdString();
    EXPECT_EQ(QString::fromLocal8Bit(run.err),
              "voldrim: " + duet +
                  ": 2 notes imported. The tempo, 120 beats a minute, was set to the nearest step, 126.\n");
    CRecordingMidiOutput midi;
    CScriptedResponder responder;
    CVoldrimDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(melody));
    EXPECT_EQ(Melody(&doc), (std::vector<std::pair<int, int>>{{NoteWhole, 48}, {NoteHalf, 50}}));
    EXPECT_EQ(doc.m_nKey, KeyG);

    const QString score = folder.filePath("duet-in-3.musicxml");
    const ToolRun metered =
        RunExternalTool(QStringLiteral(VOLDRIM_PROGRAM), {"--export", melody, score, "--meter", "3/4"}, environment);
    EXPECT_TRUE(metered.Succeeded()) << metered.err.toStdString();
    EXPECT_TRUE(ReadFileBytes(score).contains("<beats>3</beats>"));
}

} // namespace
