// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The practice history in the running program: answers on both sides, by
// click and by playing, kept from one run to the next and written as CSV
// by the program itself; and the weak notes option.
#include "practice/practice_reader.h"
#include "quiz/practice_log.h"
#include "quiz/quiz_probe.h"
#include "support/scratch_folder.h"

#include <QDir>
#include <QProcess>
#include <QSettings>

namespace {

using namespace quizprobe;

// The program's data folder for this test alone, also for the programs it
// starts; named as the program names it.
class CPrivateData {
public:
    CPrivateData() : m_saved(qgetenv("XDG_DATA_HOME")), m_savedName(QCoreApplication::applicationName())
    {
        qputenv("XDG_DATA_HOME", m_folder.path().toLocal8Bit());
        QCoreApplication::setApplicationName(QStringLiteral("Voldrim"));
    }
    ~CPrivateData()
    {
        qputenv("XDG_DATA_HOME", m_saved);
        QCoreApplication::setApplicationName(m_savedName);
    }
    CScratchFolder m_folder;

private:
    QByteArray m_saved;
    QString m_savedName;
};

struct ProgramRun {
    int exitCode = -1;
    QString errors;
};

ProgramRun PracticeCsv(const QStringList& arguments)
{
    QProcess program;
    program.start(QStringLiteral(VOLDRIM_PROGRAM), arguments);
    program.waitForFinished(30000);
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardError()).trimmed()};
}

QStringList CsvLines(const QString& path)
{
    QStringList lines = QString::fromUtf8(ReadFileBytes(path)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The time and the response time differ from run to run.
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringList fields = lines[i].split(QLatin1Char(','));
        fields[0] = QStringLiteral("t");
        if (i > 0)
            fields[8] = QStringLiteral("ms");
        lines[i] = fields.join(QLatin1Char(','));
    }
    return lines;
}

void SetWeakNotesOff()
{
    QSettings(QStringLiteral("Voldrim"), QStringLiteral("Voldrim")).remove(QStringLiteral("Show Me/Practise Weak Notes"));
}

TEST(PracticeInProgram, AnswersOnBothSidesOutlastTheRunAndAreWrittenAsCsv)
{
    CPrivateData data;
    {
        CAppHarness app;
        CFixedClock clock(kSecond + 7);
        Verdict verdict;
        // Middle C is asked on the fingerboard: a click on the staff is
        // refused (no answer), A is wrong, a C played 12 cents sharp is right.
        PressShowMe(app);
        app.m_responder.ExpectMessageBox();
        Answer(app, false, 60);
        ExpectVerdict(app, IDOK, &verdict);
        Answer(app, true, 45);
        ExpectVerdict(app, IDOK, &verdict, &clock, kSecond + 2);
        app.Fboard()->TakePlayedNote(60, 12.0);
        Settle(app);
        // F is asked on the staff.
        ExpectVerdict(app, IDCANCEL, &verdict);
        Answer(app, false, 53);
    }
    const QString csv = data.m_folder.filePath(QStringLiteral("answers.csv"));
    const ProgramRun run = PracticeCsv({QStringLiteral("--practice-csv"), csv});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(CsvLines(csv),
              (QStringList{"t,key,side,asked_note,asked_midi,answered_note,answered_midi,result,response_ms,played,cents",
                           "t,C,fingerboard,C4,60,A2,45,wrong,ms,no,", "t,C,fingerboard,C4,60,C4,60,right,ms,yes,12.0",
                           "t,C,staff,F3,53,F3,53,right,ms,no,"}));
}

TEST(PracticeInProgram, PracticeCsvSaysInOneLineWhatItCannotDo)
{
    CPrivateData data;
    const QString csv = data.m_folder.filePath(QStringLiteral("answers.csv"));
    // No history yet: the header alone.
    ProgramRun run = PracticeCsv({QStringLiteral("--practice-csv"), csv});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(CsvLines(csv).size(), 1);

    struct Case {
        const char* name;
        QStringList arguments;
        int exitCode;
        const char* saying;
    };
    QDir(data.m_folder.path()).mkpath(QStringLiteral("Voldrim"));
    data.m_folder.Write(QByteArray(4096, 'x'), QStringLiteral("Voldrim/practice-history.sqlite"));
    for (const Case& c : {Case{"damaged history", {"--practice-csv", csv}, 1, "cannot be read"},
                          Case{"no file named", {"--practice-csv"}, 2, "--practice-csv takes the file to write"}}) {
        run = PracticeCsv(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_TRUE(run.errors.startsWith(QStringLiteral("voldrim: ")) && run.errors.contains(QLatin1String(c.saying)) &&
                    !run.errors.contains(QLatin1Char('\n')))
            << c.name << ": " << run.errors.toStdString();
    }
}

TEST(PracticeInProgram, WeakNotesIsOffOnAFirstRunRememberedAndKeepsTheNamesBack)
{
    CPrivateData data;
    SetWeakNotesOff();
    {
        CAppHarness app;
        EXPECT_EQ(app.OpenMenuTo(ID_WEAK_NOTES).checked, false);
        ASSERT_TRUE(app.ChooseFromMenu(ID_WEAK_NOTES));
    }
    CAppHarness app;
    EXPECT_TRUE(app.IsChecked(ID_WEAK_NOTES));
    CVoldrimDoc* doc = app.Doc();
    doc->m_nQuestionMode = QuestionModeStaff;
    doc->m_nQuestionType = AnswerOnStaff;
    // A lit stop, with and without its name; a note on the staff, with and
    // without its blue name.
    for (bool weak : {true, false}) {
        SCOPED_TRACE(weak);
        doc->m_bWeakNotes = weak;
        doc->m_nQuestionMode = QuestionModeStaff;
        doc->m_nQuestionType = AnswerOnStaff;
        PressShowMe(app);
        const int lit = RedStop(app);
        ASSERT_NE(lit, kNoPitch);
        EXPECT_EQ(fboard_probe::HasLabel(app.Fboard(), fboard_probe::StopOf(doc, lit).GetRect()), !weak);
        app.Choose(ID_ERASE);
        doc->m_nQuestionMode = QuestionModeFingerboard;
        doc->m_nQuestionType = AnswerOnFingerboard;
        PressShowMe(app);
        const CString name = doc->m_columnList[0].GetName();
        const std::vector<CString> texts = app.StaffBoxTexts();
        EXPECT_EQ(std::count(texts.begin(), texts.end(), name), weak ? 0 : 1) << name.toStdString();
        app.Choose(ID_ERASE);
    }
    SetWeakNotesOff();
}

TEST(PracticeInProgram, WithWeakNotesAMissedNoteComesBackAtTheSecondQuestionAfter)
{
    CPrivateData data;
    CAppHarness app;
    CVoldrimDoc* doc = app.Doc();
    doc->m_bWeakNotes = true;
    doc->m_nQuestionMode = QuestionModeStaff;
    doc->m_nQuestionType = AnswerOnStaff;
    Verdict verdict;
    PressShowMe(app);
    const int missed = doc->m_nQuestionPitch;
    // Wrong, then right on the try again; then two more questions.
    ExpectVerdict(app, IDOK, &verdict);
    Answer(app, false, missed == 36 ? 38 : 36);
    ExpectVerdict(app, IDOK, &verdict);
    Answer(app, false, missed);
    const int next = doc->m_nQuestionPitch;
    ExpectVerdict(app, IDOK, &verdict);
    Answer(app, false, next);
    EXPECT_NE(next, missed);
    EXPECT_EQ(doc->m_nQuestionPitch, missed);
    AfxGetPracticeLog()->Flush();
    std::vector<bool> rights;
    CPracticeReader(AfxGetPracticeLog()->Path()).ForEachAnswer([&rights](const PracticeAnswer& answer) {
        rights.push_back(answer.right);
        return true;
    });
    EXPECT_EQ(rights, (std::vector<bool>{false, true, true}));
    app.Choose(ID_ERASE);
}

} // namespace
