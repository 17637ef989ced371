// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The document's construction, reset operations and the caption rule.
#include "doc/voldrim_doc.h"
#include "model/key.h"
#include "support/recording_midi_output.h"
#include "support/scripted_responder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

class DocumentTest : public ::testing::Test {
protected:
    CRecordingMidiOutput m_midi;
    CScriptedResponder m_responder;
};

TEST_F(DocumentTest, StartsWithItsDefaultsAndTheStopsOfCMajor)
{
    CVoldrimDoc doc;
    EXPECT_EQ(doc.m_nKey, KeyC);
    EXPECT_EQ(doc.m_nTempo, CVoldrimDoc::kStartTempo);
    EXPECT_EQ(doc.m_nLastColumn, CVoldrimDoc::kNoColumn);
    EXPECT_EQ(doc.m_nLabelMode, LabelNoteNames);
    EXPECT_EQ(doc.m_nQuestionState, NoQuestion);
    EXPECT_EQ(doc.m_nQuestionMode, QuestionModeBoth);
    EXPECT_EQ(doc.m_nQuestionType, AnswerOnStaff);
    EXPECT_EQ(doc.m_nNoteValue, NoteQuarter);
    EXPECT_TRUE(doc.m_bStaffNoteShown);
    EXPECT_TRUE(doc.m_bShowOpenStrings);
    EXPECT_TRUE(doc.m_bStaffNames);
    EXPECT_FALSE(doc.m_bAllPositions);
    EXPECT_TRUE(doc.m_bFirstNew);
    EXPECT_TRUE(doc.m_rcHighlight.IsRectEmpty());
    EXPECT_TRUE(doc.m_bUseMidi);
    EXPECT_TRUE(m_responder.Texts().empty());

    ASSERT_EQ(doc.m_stopList.size(), 28u);
    for (size_t i = 0; i < doc.m_stopList.size(); ++i) {
        const CFingerStop& stop = *doc.m_stopList[i];
        EXPECT_EQ(stop.GetPitch(), 36 + int(i));
        const bool black = stop.GetNoteName().contains('#') || stop.GetNoteName().contains('b');
        EXPECT_EQ(stop.GetKeyStatus(), black ? KeyStatusOutOfKey : KeyStatusInKey) << stop.GetNoteName().toStdString();
    }
    EXPECT_EQ(doc.m_brPrint.Color(), RGB(0, 0, 0));
    EXPECT_EQ(doc.m_penPrint.Width(), 2);
}

TEST_F(DocumentTest, AMachineWithoutMidiSaysSoOnceAndRunsOnMute)
{
    m_midi.FailOpen(MMSYSERR_NODRIVER);
    m_responder.ExpectMessageBox(IDOK);
    CVoldrimDoc doc;
    EXPECT_FALSE(doc.m_bUseMidi);
    ASSERT_EQ(m_responder.Texts().size(), 1u);
    EXPECT_TRUE(m_responder.Texts()[0].startsWith("Voldrim could not open your MIDI device."));
}

TEST_F(DocumentTest, AnOutputThatCannotSoundOnceOpenSwitchesMidiOff)
{
    for (const MMRESULT error : {MIDIERR_NOSOUNDFONT, MMSYSERR_NODRIVER}) {
        CVoldrimDoc doc;
        ASSERT_TRUE(doc.m_bUseMidi);
        m_midi.FailLate(error);
        QCoreApplication::processEvents();
        EXPECT_FALSE(doc.m_bUseMidi) << error;
    }
}

TEST_F(DocumentTest, ResetStateEndsTheQuestionAndEmptiesTheMelodyButKeepsOptions)
{
    CVoldrimDoc doc;
    for (int i = 0; i < 3; ++i) {
        CStaffColumn& column = doc.m_columnList.emplace_back();
        column.SetPitch(48);
        column.SetValue(NoteHalf);
        column.SetNoteRect(CRect(1, 2, 3, 4));
        column.SetName("C");
        doc.m_melody.push_back(std::make_unique<CNoteSeries>(NoteHalf, 48));
        doc.m_playList.push_back(std::make_unique<CPlayItem>(48, NoteHalf, CRect()));
    }
    doc.m_nQuestionState = QuestionRunning;
    doc.m_nQuestionPitch = 50;
    doc.m_nCurrentPitch = 50;
    doc.m_nLastColumn = 2;
    doc.m_rcHighlight = CRect(10, 10, 20, 20);
    doc.m_bPlaying = true;
    doc.m_nNoteValue = NoteWhole;
    doc.m_bHeldH = doc.m_bHeldR = true;
    doc.m_nCorrect = 4;
    doc.m_nTempo = 300;
    doc.m_strMelodyTitle = "Song";
    doc.m_strNoteName = "D";

    doc.ResetState();

    EXPECT_EQ(doc.m_nQuestionState, NoQuestion);
    EXPECT_EQ(doc.m_nQuestionPitch, kNoPitch);
    EXPECT_EQ(doc.m_nCurrentPitch, kNoPitch);
    EXPECT_EQ(doc.m_nLastColumn, CVoldrimDoc::kNoColumn);
    EXPECT_TRUE(doc.m_rcHighlight.IsRectEmpty());
    EXPECT_FALSE(doc.m_bPlaying);
    EXPECT_EQ(doc.m_nNoteValue, NoteQuarter);
    EXPECT_FALSE(doc.m_bHeldH || doc.m_bHeldR);
    EXPECT_TRUE(doc.m_melody.empty());
    EXPECT_TRUE(doc.m_playList.empty());
    ASSERT_EQ(doc.m_columnList.size(), 3u);
    for (const CStaffColumn& column : doc.m_columnList) {
        EXPECT_EQ(column.GetPitch(), 0);
        EXPECT_EQ(column.GetValue(), NoteHalf) << "the rhythmic value of a column stays";
        EXPECT_TRUE(column.GetNoteRect().IsRectEmpty());
        EXPECT_TRUE(column.GetName().isEmpty());
    }
    EXPECT_EQ(doc.m_nCorrect, 4);
    EXPECT_EQ(doc.m_nTempo, 300);
    EXPECT_EQ(doc.m_strMelodyTitle, "Song");
    EXPECT_EQ(doc.m_strNoteName, "D");
}

TEST_F(DocumentTest, ClearMelodyKeepsTheQuestionRunning)
{
    CVoldrimDoc doc;
    doc.m_nQuestionState = QuestionRunning;
    doc.m_nQuestionPitch = 45;
    doc.m_nLastColumn = 4;
    doc.m_melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, 45));
    doc.ClearMelody();
    EXPECT_EQ(doc.m_nQuestionState, QuestionRunning);
    EXPECT_EQ(doc.m_nQuestionPitch, 45);
    EXPECT_EQ(doc.m_nLastColumn, CVoldrimDoc::kNoColumn);
    EXPECT_TRUE(doc.m_melody.empty());
}

TEST_F(DocumentTest, DeleteContentsAlsoForgetsTitleAndComposer)
{
    CVoldrimDoc doc;
    doc.m_strMelodyTitle = "Minuet";
    doc.m_strMelodyComposer = "Bach";
    doc.m_nKey = KeyG;
    doc.DeleteContents();
    EXPECT_TRUE(doc.m_strMelodyTitle.isEmpty());
    EXPECT_TRUE(doc.m_strMelodyComposer.isEmpty());
    EXPECT_EQ(doc.m_nKey, KeyG) << "the key survives a new melody";
}

TEST(CaptionRule, TitleAndComposerFollowTheApplicationTitle)
{
    EXPECT_EQ(CVoldrimDoc::CaptionFor("", ""), "Voldrim");
    EXPECT_EQ(CVoldrimDoc::CaptionFor("Minuet", ""), "Voldrim   -   Minuet");
    EXPECT_EQ(CVoldrimDoc::CaptionFor("Minuet", "Bach"), "Voldrim   -   Minuet by Bach");
    EXPECT_EQ(CVoldrimDoc::CaptionFor("", "Bach"), "Voldrim") << "a composer without a title adds nothing";
    // A file may hold any bytes: no control character reaches the caption,
    // and a long text is cut short.
    EXPECT_EQ(CVoldrimDoc::CaptionFor(QString::fromLatin1("Min\0uet\n", 9), "Ba\tch"), "Voldrim   -   Minuet by Bach");
    const CString longText(CVoldrimDoc::kLongestCaptionText + 1, 'x');
    EXPECT_EQ(CVoldrimDoc::CaptionFor(longText, ""),
              "Voldrim   -   " + longText.left(CVoldrimDoc::kLongestCaptionText) + QChar(0x2026));
}

TEST(AccidentalMemory, SetTestAndClearByPitch)
{
    CAccidentalMemory memory;
    for (int p = 0; p < CAccidentalMemory::kSize; ++p)
        EXPECT_EQ(memory.Test(p), 0);
    EXPECT_EQ(memory.Set(61), 61);
    EXPECT_EQ(memory.Set(64), 64);
    EXPECT_EQ(memory.Test(61), 1);
    EXPECT_EQ(memory.Test(60), 0);
    EXPECT_EQ(memory.Clear(61), 61);
    EXPECT_EQ(memory.Test(61), 0);
    memory.ClearAll();
    EXPECT_EQ(memory.Test(64), 0);
}

}
