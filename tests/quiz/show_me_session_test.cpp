// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A whole Show Me session as a student runs it with the mouse and the
// keyboard: questions on both sides, a wrong answer tried again, the
// options, a change of key, files, and the scores.
#include "quiz_probe.h"
#include "support/scripted_file_dialog.h"

#include <QApplication>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

using namespace quizprobe;

// Runs the Show Me options from the menu, choosing the radio button (or
// Cancel); says whether the button of the mode was chosen when it opened.
bool RunOptions(CAppHarness& app, UINT presetButton, UINT chosenButton)
{
    bool preset = false;
    app.m_responder.ExpectDialog([&](CDialog& dialog) {
        preset = dialog.GetDlgItemAs<QRadioButton>(presetButton)->isChecked();
        if (chosenButton == IDCANCEL)
            return IDCANCEL;
        dialog.GetDlgItemAs<QRadioButton>(chosenButton)->click();
        dialog.ClickButton(IDOK);
        return IDOK;
    });
    EXPECT_TRUE(app.ChooseFromMenu(ID_SHOWME_OPTIONS));
    return preset;
}

TEST(ShowMeSession, QuestionsOnBothSidesOptionsKeysFilesAndScores)
{
    CAppHarness app;
    CScriptedFileDialog files;
    QTemporaryDir folder;
    CFixedClock clock(kSecond + 7);
    CVoldrimDoc* doc = app.Doc();
    std::vector<Verdict> verdicts(4);

    // Middle C is written on the staff and sounds; the staff takes no
    // answer, A is wrong, C is right.
    PressShowMe(app);
    EXPECT_EQ(doc->m_columnList[0].GetPitch(), 60);
    EXPECT_EQ(staffentry::NotesStarted(app.m_midi.AllWords()), std::vector<int>{60});
    EXPECT_EQ(RedStop(app), kNoPitch);
    app.m_responder.ExpectMessageBox();
    Answer(app, false, 60);
    ExpectVerdict(app, IDOK, &verdicts[0]);
    Answer(app, true, 45);
    ExpectVerdict(app, IDOK, &verdicts[1], &clock, kSecond + 2);
    Answer(app, true, 60);
    // The next question lights F; the fingerboard and a rest take no
    // answer, an eighth note on the F row does.
    EXPECT_EQ(RedStop(app), 53);
    app.m_responder.ExpectMessageBox();
    Answer(app, true, 53);
    app.m_responder.ExpectMessageBox();
    QTest::keyPress(app.Staff(), Qt::Key_R);
    Answer(app, false, 53);
    EXPECT_FALSE(doc->m_bHeldR);
    QTest::keyRelease(app.Staff(), Qt::Key_R);
    ExpectVerdict(app, IDCANCEL, &verdicts[2]);
    QTest::keyPress(app.Staff(), Qt::Key_E);
    Answer(app, false, 53);
    QTest::keyRelease(app.Staff(), Qt::Key_E);
    EXPECT_TRUE(ShowMeButtonShown(app));

    // D major, questions about the fingerboard only: C sharp is asked.
    // Cancel in the options ends it; asked again within the second, it
    // comes back.
    EXPECT_TRUE(RunOptions(app, IDC_QUESTIONS_BOTH, IDC_QUESTIONS_FINGERBOARD));
    ASSERT_TRUE(app.ChooseFromMenu(ID_KEY_D));
    clock.m_now = kSecond + 15;
    PressShowMe(app);
    EXPECT_EQ(doc->m_columnList[0].GetName(), "C#");
    EXPECT_TRUE(RunOptions(app, IDC_QUESTIONS_FINGERBOARD, IDCANCEL));
    EXPECT_EQ(doc->m_nQuestionState, NoQuestion);
    EXPECT_EQ(WrittenColumns(doc), 0);
    PressShowMe(app);
    ExpectVerdict(app, IDCANCEL, &verdicts[3]);
    Answer(app, true, 37);

    const std::vector<CString> texts = {verdicts[0].text, verdicts[1].text, verdicts[2].text, verdicts[3].text};
    EXPECT_EQ(texts, (std::vector<CString>{"Sorry...Try again?", "Bravo! Another question?",
                                           "Bravo!  Another question?", "Bravo! Another question?"}));
    EXPECT_EQ(app.m_responder.Texts(),
              (std::vector<CString>{"The current question requires you to choose a stop on the fingerboard.",
                                    "The current question requires you to click on the staff, not on the fingerboard!",
                                    "You are using a rest to answer a question, please switch to another rhythmic "
                                    "value."}));

    EXPECT_TRUE(RunOptions(app, IDC_QUESTIONS_FINGERBOARD, IDC_QUESTIONS_STAFF));
    EXPECT_EQ(doc->m_nQuestionMode, QuestionModeStaff);
    EXPECT_EQ(doc->m_nQuestionType, AnswerOnStaff);

    // The refusals counted nothing. The scores outlast a key change, New
    // and Open; Ctrl+M shows them and Reset clears them at once.
    files.Expect(folder.filePath("empty.vdm"));
    files.Expect(folder.filePath("empty.vdm"));
    for (UINT command : std::initializer_list<UINT>{ID_KEY_G, ID_FILE_SAVE_AS, ID_FILE_NEW, ID_FILE_OPEN})
        ASSERT_TRUE(app.Choose(command)) << command;
    std::vector<CString> scores;
    app.m_responder.ExpectDialog([&scores](CDialog& dialog) {
        for (UINT button : {IDC_RESET_SCORES, UINT(IDOK)}) {
            scores.push_back(dialog.GetDlgItemText(IDC_CORRECT_COUNT) + "/" +
                             dialog.GetDlgItemText(IDC_INCORRECT_COUNT));
            dialog.ClickButton(button);
        }
        return IDOK;
    });
    app.Frame()->show();
    QApplication::setActiveWindow(app.Frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.Frame()));
    QTest::keyClick(app.Fboard(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(scores, (std::vector<CString>{"3/1", "0/0"}));
    EXPECT_EQ(doc->m_nCorrect + doc->m_nIncorrect, 0);
}

}  // namespace
