// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Answers on the fingerboard and on the staff, right and wrong, and what
// Yes and No then do.
#include "quiz_probe.h"

namespace {

using namespace quizprobe;

TEST(ShowMeAnswers, RightAndWrongOnEachSideWithYesAndNo)
{
    struct Case {
        bool onBoard, right;
        int button;
        QuestionState state;
        int asked, written, redStop;
    };
    // Asked: 60 on the fingerboard, 45 on the staff; after a right answer
    // and Yes, 53 on the staff.
    const Case cases[] = {
        {true, true, IDOK, QuestionRunning, 53, 0, 53},     {true, true, IDCANCEL, NoQuestion, 0, 0, 0},
        {true, false, IDOK, QuestionRunning, 60, 1, 0},     {true, false, IDCANCEL, NoQuestion, 0, 0, 0},
        {false, true, IDOK, QuestionRunning, 53, 0, 53},    {false, true, IDCANCEL, NoQuestion, 0, 0, 0},
        {false, false, IDOK, QuestionRunning, 45, 0, 45},   {false, false, IDCANCEL, NoQuestion, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.onBoard ? "board" : "staff") + (c.right ? ", right" : ", wrong") +
                     (c.button == IDOK ? ", Yes" : ", No"));
        CAppHarness app;
        CFixedClock clock(c.onBoard ? kSecond + 7 : kSecond);
        PressShowMe(app);
        Verdict seen;
        ExpectVerdict(app, c.button, &seen, &clock, kSecond + 2);
        QTest::keyPress(app.Staff(), Qt::Key_D);
        Answer(app, c.onBoard, c.right ? app.Doc()->m_nQuestionPitch : 47);
        const CVoldrimDoc* doc = app.Doc();
        EXPECT_FALSE(doc->m_bHeldD);
        QTest::keyRelease(app.Staff(), Qt::Key_D);

        const char* bravo = c.onBoard ? "Bravo! Another question?" : "Bravo!  Another question?";
        EXPECT_EQ(seen.text, c.right ? bravo : "Sorry...Try again?");
        EXPECT_EQ(seen.smiling, c.right);
        EXPECT_EQ(seen.unhappy, !c.right);
        // Counted before the dialog opens; meanwhile the staff shows the
        // note asked, or the answer written on it.
        EXPECT_EQ(seen.correct, c.right ? 1 : 0);
        EXPECT_EQ(seen.incorrect, c.right ? 0 : 1);
        EXPECT_EQ(seen.written, 1);
        EXPECT_EQ(doc->m_nCorrect + doc->m_nIncorrect, 1);

        EXPECT_EQ(doc->m_nQuestionState, c.state);
        EXPECT_EQ(doc->m_nQuestionPitch, c.asked);
        EXPECT_EQ(WrittenColumns(doc), c.written);
        EXPECT_EQ(RedStop(app), c.redStop);
        EXPECT_EQ(ShowMeButtonShown(app), c.state == NoQuestion);
    }
}

}  // namespace
