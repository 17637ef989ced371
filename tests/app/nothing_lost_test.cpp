// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing the student wrote is lost without a question or a way back: a
// melody longer than the staff keeps its end through every click, the
// program asks before it throws changes away, and undo brings back what a
// command emptied.
#include "framework/document.h"
#include "quiz/quiz_probe.h"
#include "support/scripted_file_dialog.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace quizprobe;
using staffentry::ClickRow;
using staffentry::NotesStarted;
using staffentry::PressButton;

// A melody of distinct notes, as a teacher's exercise longer than the staff.
std::vector<int> Pitches(std::size_t count)
{
    std::vector<int> pitches;
    for (std::size_t i = 0; i < count; ++i)
        pitches.push_back(kLowestStopPitch + int(i % 26));
    return pitches;
}

std::vector<int> MelodyPitches(const CVoldrimDoc* doc)
{
    std::vector<int> pitches;
    for (const auto& record : doc->m_melody)
        pitches.push_back(record->GetPitch());
    return pitches;
}

class NothingLost : public ::testing::Test {
protected:
    CVoldrimDoc* Doc() { return app.Doc(); }
    // The melody as opening a file gives it to the staff, in C major.
    void Open(const std::vector<int>& pitches)
    {
        CObjectList<CNoteSeries> melody;
        for (int pitch : pitches)
            melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, pitch));
        Doc()->TakeMelody(KeyChromatic, "Exercise", "Teacher", std::move(melody));
        Doc()->SetModifiedFlag(false);
        Settle(app);
    }
    // What the staff's status line says of the notes it cannot show.
    CString NotesPastText()
    {
        for (const CString& text : app.StaffBoxTexts()) {
            if (text.contains("more note"))
                return text;
        }
        return CString();
    }
    std::vector<int> Played()
    {
        app.m_midi.ClearWords();
        PressButton(app.Staff(), ID_PLAY_BUTTON);
        for (int tick = 0; tick < 1000 && Doc()->m_bPlaying; ++tick)
            app.Staff()->Timers().Fire(CStaffView::kPlaybackTimer);
        return NotesStarted(app.m_midi.AllWords());
    }

    CAppHarness app;
};

TEST_F(NothingLost, AMelodyLongerThanTheStaffKeepsItsEndThroughEveryClick)
{
    const std::size_t columns = std::size_t(Doc()->m_nColumnCount);
    ASSERT_GT(columns, 4u);
    const std::vector<int> melody = Pitches(columns + 4);
    Open(melody);
    EXPECT_EQ(NotesPastText(), "4 more notes: enlarge the window");
    // Playback plays them all, the ones past the staff without a marker.
    EXPECT_EQ(Played(), melody);

    // A click replaces its own note, and only that one.
    ClickRow(app.Staff(), 2, 4);
    Settle(app);
    std::vector<int> expected = melody;
    expected[2] = 57;
    EXPECT_EQ(MelodyPitches(Doc()), expected);

    // A right click removes its own note; the next comes into view.
    ClickRow(app.Staff(), 0, 4, Qt::RightButton);
    Settle(app);
    expected.erase(expected.begin());
    EXPECT_EQ(MelodyPitches(Doc()), expected);
    EXPECT_EQ(NotesPastText(), "3 more notes: enlarge the window");
    EXPECT_EQ(Doc()->m_columnList[columns - 1].GetPitch(), expected[columns - 1]);

    // A stop clicked on a full staff, answered Yes, keeps the melody whole.
    app.m_responder.ExpectMessageBox(IDYES);
    fboard_probe::ClickStop(app.Fboard(), 48);
    Settle(app);
    EXPECT_EQ(MelodyPitches(Doc()), expected);

    // Wider, the staff shows them all and says nothing.
    app.Frame()->resize(1600, 470);
    Settle(app);
    EXPECT_EQ(NotesPastText(), "");
    EXPECT_EQ(MelodyPitches(Doc()), expected);
}

TEST_F(NothingLost, ANoteOfAPitchNoRowShowsKeepsItsPlaceAndIsNotPlayed)
{
    Open({48, 20, 50});
    ClickRow(app.Staff(), 2, 4);
    Settle(app);
    EXPECT_EQ(MelodyPitches(Doc()), (std::vector<int>{48, 20, 50, 57}));
    EXPECT_EQ(Played(), (std::vector<int>{48, 50, 57}));
}

// The question before thrown-away changes, and what each answer does.
struct AskCase {
    const char* what;
    std::function<void(CAppHarness&)> act;
    int answer;
    bool kept;  // the melody is still there afterwards
};

void PrintTo(const AskCase& c, std::ostream* out)
{
    *out << c.what;
}

class SaveQuestion : public NothingLost, public ::testing::WithParamInterface<AskCase> {};

TEST_P(SaveQuestion, IsAskedBeforeChangesAreThrownAway)
{
    const AskCase& c = GetParam();
    ClickRow(app.Staff(), 0, 4);
    Settle(app);
    app.m_responder.ExpectMessageBox(c.answer);
    c.act(app);
    Settle(app);
    ASSERT_EQ(app.m_responder.Texts(), std::vector<CString>{"Save changes to Untitled?"});
    EXPECT_EQ(app.m_responder.Types().back(), UINT(MB_YESNOCANCEL | MB_ICONQUESTION));
    if (c.kept) {
        ASSERT_NE(app.Frame(), nullptr);
        EXPECT_EQ(MelodyPitches(Doc()), std::vector<int>{57});
        // Nothing else happened: no good-bye.
        for (const CString& sound : app.m_waves.m_paths)
            EXPECT_FALSE(sound.endsWith("babye.wav"));
    }
}

const AskCase kAskCases[] = {
    {"NewCancelled", [](CAppHarness& a) { a.Choose(ID_FILE_NEW); }, IDCANCEL, true},
    {"NewNotSaved", [](CAppHarness& a) { a.Choose(ID_FILE_NEW); }, IDNO, false},
    {"ExitCancelled", [](CAppHarness& a) { a.Choose(ID_APP_EXIT); }, IDCANCEL, true},
    {"CloseBoxCancelled", [](CAppHarness& a) { a.Frame()->close(); }, IDCANCEL, true},
    {"ExitButtonCancelled", [](CAppHarness& a) { PressButton(a.Staff(), IDC_EXIT_BUTTON); }, IDCANCEL, true},
};
INSTANTIATE_TEST_SUITE_P(Commands, SaveQuestion, ::testing::ValuesIn(kAskCases),
                         [](const ::testing::TestParamInfo<AskCase>& ask) { return std::string(ask.param.what); });

TEST_F(NothingLost, YesSavesBeforeOpeningAnotherMelodyAndAnUnchangedOneIsNotAskedAbout)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("tune.vdm");
    CScriptedFileDialog files;
    // Unchanged: nothing asked.
    files.Expect("");
    app.Choose(ID_FILE_OPEN);
    EXPECT_TRUE(app.m_responder.Texts().empty());

    ClickRow(app.Staff(), 0, 4);
    Settle(app);
    files.Expect(path);  // the melody to open: the one about to be saved
    app.m_responder.ExpectMessageBox(IDYES);
    files.Expect(path);  // Save As for the untitled melody
    app.Choose(ID_FILE_OPEN);
    Settle(app);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(MelodyPitches(Doc()), std::vector<int>{57});
    EXPECT_FALSE(Doc()->IsModified());
    // Saved, it closes without a question.
    app.Choose(ID_APP_EXIT);
    EXPECT_EQ(app.Frame(), nullptr);
    EXPECT_EQ(app.m_responder.Texts().size(), 1u);
}

TEST_F(NothingLost, ClosingTheMainWindowClosesTheHelpWindow)
{
    app.Choose(ID_HELP_CONTENTS);
    ASSERT_FALSE(app.m_help.m_calls.empty());
    app.Frame()->close();
    CAppHarness::ProcessEvents();
    EXPECT_EQ(app.Frame(), nullptr);
    EXPECT_EQ(app.m_help.m_calls.back().command, UINT(HELP_QUIT));
}

// A change undone brings back the melody, its key, title and composer, and
// ends a running question.
struct UndoCase {
    const char* what;
    std::function<void(CAppHarness&)> change;
};

void PrintTo(const UndoCase& c, std::ostream* out)
{
    *out << c.what;
}

class UndoStep : public NothingLost, public ::testing::WithParamInterface<UndoCase> {};

TEST_P(UndoStep, BringsBackWhatTheChangeTookAway)
{
    ASSERT_TRUE(app.Choose(ID_KEY_G));
    ClickRow(app.Staff(), 0, 4);
    ClickRow(app.Staff(), 1, 6, Qt::LeftButton);
    Settle(app);
    Doc()->m_strMelodyTitle = "Waltz";
    const std::vector<int> before = MelodyPitches(Doc());
    ASSERT_EQ(before, (std::vector<int>{57, 54}));

    GetParam().change(app);
    Settle(app);
    EXPECT_TRUE(MelodyPitches(Doc()) != before || Doc()->m_nKey != KeyG || Doc()->m_strMelodyTitle != "Waltz");
    EXPECT_TRUE(app.IsEnabled(ID_EDIT_UNDO));

    ASSERT_TRUE(app.Choose(ID_EDIT_UNDO));
    Settle(app);
    EXPECT_EQ(MelodyPitches(Doc()), before);
    EXPECT_EQ(Doc()->m_nKey, KeyG);
    EXPECT_EQ(Doc()->m_strMelodyTitle, "Waltz");
    EXPECT_FALSE(Doc()->IsQuestionRunning());
    EXPECT_EQ(Doc()->m_columnList[1].GetPitch(), 54);
}

const UndoCase kUndoCases[] = {
    {"NoteWritten", [](CAppHarness& a) { ClickRow(a.Staff(), 2, 8); }},
    {"NoteReplaced", [](CAppHarness& a) { ClickRow(a.Staff(), 1, 8); }},
    {"NoteRemoved", [](CAppHarness& a) { ClickRow(a.Staff(), 0, 4, Qt::RightButton); }},
    {"Erase", [](CAppHarness& a) { a.Choose(ID_ERASE); }},
    {"KeyChange", [](CAppHarness& a) { a.Choose(ID_KEY_F); }},
    {"ShowMeStart", [](CAppHarness& a) { PressShowMe(a); }},
    {"NewMelody",
     [](CAppHarness& a) {
         a.m_responder.ExpectMessageBox(IDNO);
         a.Choose(ID_FILE_NEW);
     }},
    {"Title",
     [](CAppHarness& a) {
         a.m_responder.ExpectDialog([](CDialog& dialog) {
             dialog.TypeText(IDC_TITLE_EDIT, "Polka");
             dialog.ClickButton(IDOK);
             return IDOK;
         });
         PressButton(a.Staff(), IDC_TITLE_BUTTON);
     }},
};
INSTANTIATE_TEST_SUITE_P(Changes, UndoStep, ::testing::ValuesIn(kUndoCases),
                         [](const ::testing::TestParamInfo<UndoCase>& step) { return std::string(step.param.what); });

TEST_F(NothingLost, UndoGoesBackOneChangeAtATimeAndNotDuringPlayback)
{
    for (int column = 0; column < 3; ++column)
        ClickRow(app.Staff(), column, 4 + column);
    Settle(app);
    ASSERT_EQ(MelodyPitches(Doc()).size(), 3u);
    PressButton(app.Staff(), ID_PLAY_BUTTON);
    EXPECT_FALSE(app.IsEnabled(ID_EDIT_UNDO));
    PressButton(app.Staff(), IDC_STOP_BUTTON);
    for (int tick = 0; tick < 10 && Doc()->m_bPlaying; ++tick)
        app.Staff()->Timers().Fire(CStaffView::kPlaybackTimer);
    for (std::size_t left = 2;; --left) {
        ASSERT_TRUE(app.Choose(ID_EDIT_UNDO));
        Settle(app);
        EXPECT_EQ(MelodyPitches(Doc()).size(), left);
        if (left == 0)
            break;
    }
    EXPECT_FALSE(app.IsEnabled(ID_EDIT_UNDO));
    EXPECT_FALSE(Doc()->IsModified());
}

} // namespace
