// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The practice history in a real SQLite file: what an answer keeps, what
// the file is, what the program does when it cannot be kept, two copies
// writing at once, and a copy killed while it writes.
#include "practice/practice_reader.h"
#include "practice/practice_recorder.h"
#include "support/file_bytes.h"
#include "support/full_disk.h"
#include "support/scratch_folder.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <gtest/gtest.h>

#include <csignal>
#include <optional>

namespace {

struct Told {
    PracticeTrouble trouble = PracticeTrouble::None;
    QString setAside;
    int times = 0;
};

CPracticeRecorder::TroubleHandler Keep(Told* told)
{
    return [told](PracticeTrouble trouble, const QString& setAside) {
        *told = {trouble, setAside, told->times + 1};
    };
}

PracticeAnswer Answer(int asked, int answered, int responseMs, PracticePlaying playing = {}, int key = 1,
                      qint64 at = 1700000000000)
{
    PracticeAnswer answer;
    answer.answeredAt = at;
    answer.key = key;
    answer.side = playing.played ? PracticeSide::Fingerboard : PracticeSide::Staff;
    answer.askedPitch = asked;
    answer.answeredPitch = answered;
    answer.right = asked == answered;
    answer.responseMs = responseMs;
    answer.playing = playing;
    return answer;
}

std::vector<PracticeAnswer> ReadAll(const QString& path)
{
    std::vector<PracticeAnswer> answers;
    CPracticeReader reader(path);
    EXPECT_TRUE(reader.ForEachAnswer([&](const PracticeAnswer& answer) {
        answers.push_back(answer);
        return true;
    }));
    return answers;
}

int CountAnswers(const QString& path)
{
    return int(ReadAll(path).size());
}

// A pragma of the file, read by a connection of the test's own.
QString Pragma(const QString& path, const QString& pragma)
{
    QString value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-pragma"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("PRAGMA ") + pragma) && query.next())
            value = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-pragma"));
    return value;
}

bool SameAnswer(const PracticeAnswer& a, const PracticeAnswer& b)
{
    return a.answeredAt == b.answeredAt && a.key == b.key && a.side == b.side && a.askedPitch == b.askedPitch &&
           a.answeredPitch == b.answeredPitch && a.right == b.right && a.responseMs == b.responseMs &&
           a.playing.played == b.playing.played && a.playing.cents == b.playing.cents;
}

TEST(PracticeHistory, KeepsEveryFieldInAVersionedWriteAheadLoggedFile)
{
    CScratchFolder folder;
    const QString path = folder.filePath(QStringLiteral("new/folder/history.sqlite"));
    const std::vector<PracticeAnswer> given = {Answer(45, 45, 1200, {true, -12.5}, 2),
                                               Answer(53, 52, 4100, {true, std::nullopt}, 4),
                                               Answer(60, 60, 800)};
    Told told;
    {
        CPracticeRecorder recorder(path, Keep(&told));
        for (const PracticeAnswer& answer : given)
            recorder.Record(answer);
    }
    const std::vector<PracticeAnswer> read = ReadAll(path);
    ASSERT_EQ(read.size(), given.size());
    for (std::size_t i = 0; i < given.size(); ++i)
        EXPECT_TRUE(SameAnswer(read[i], given[i])) << i;
    EXPECT_EQ(told.times, 0);
    EXPECT_EQ(Pragma(path, QStringLiteral("journal_mode")), "wal");
    EXPECT_EQ(Pragma(path, QStringLiteral("user_version")), "1");
}

TEST(PracticeHistory, NoteStandingsHaveMediansAndDaysCountInLocalTime)
{
    CScratchFolder folder;
    const QString path = folder.filePath(QStringLiteral("history.sqlite"));
    const QDate today(2026, 3, 14);
    const qint64 noon = QDateTime(today, QTime(12, 0)).toMSecsSinceEpoch();
    const qint64 dayMs = 24 * 3600 * 1000;
    {
        CPracticeRecorder recorder(path, nullptr);
        // E2 on the staff: three answers, the median the middle one.
        for (int ms : {3000, 1000, 2000})
            recorder.Record(Answer(40, 40, ms, {}, 1, noon));
        // G2 on the staff: four, the median between the middle two; one
        // wrong, a day before.
        for (int ms : {1000, 4000, 2000, 5000})
            recorder.Record(Answer(43, ms == 5000 ? 45 : 43, ms, {}, 1, noon - (ms == 5000 ? dayMs : 0)));
        // Another key is not counted for C major.
        recorder.Record(Answer(42, 42, 700, {}, 2, noon));
    }
    CPracticeReader reader(path);
    std::vector<NoteStanding> standings = reader.NoteStandings(1);
    ASSERT_EQ(standings.size(), 2u);
    std::sort(standings.begin(), standings.end(),
              [](const NoteStanding& a, const NoteStanding& b) { return a.pitch < b.pitch; });
    EXPECT_EQ(std::make_tuple(standings[0].pitch, standings[0].answers, standings[0].right, standings[0].medianMs),
              std::make_tuple(40, 3, 3, 2000));
    EXPECT_EQ(std::make_tuple(standings[1].pitch, standings[1].answers, standings[1].right, standings[1].medianMs),
              std::make_tuple(43, 4, 3, 3000));
    EXPECT_EQ(reader.NoteStandings(kAllKeys).size(), 3u);

    const std::vector<DayTally> days = reader.DayTallies(today.addDays(-6), today, kAllKeys);
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(std::make_tuple(days[0].day, days[0].answers, days[0].right), std::make_tuple(today.addDays(-1), 1, 0));
    EXPECT_EQ(std::make_tuple(days[1].day, days[1].answers, days[1].right), std::make_tuple(today, 7, 7));
    EXPECT_TRUE(reader.Clear());
    EXPECT_TRUE(ReadAll(path).empty());
}

// What keeps the history from being kept is told once; the answers that
// follow are dropped, and nothing else is harmed.
TEST(PracticeHistory, TroublesAreToldOnceAndADamagedFileIsSetAsideForAFreshOne)
{
    struct Case {
        const char* name;
        PracticeTrouble expected;
    };
    for (const Case& c : {Case{"folder under a file", PracticeTrouble::Unwritable},
                          Case{"not a database", PracticeTrouble::Damaged},
                          Case{"newer schema", PracticeTrouble::Newer}, Case{"full disk", PracticeTrouble::Full}}) {
        SCOPED_TRACE(c.name);
        CScratchFolder folder;
        QString path = folder.filePath(QStringLiteral("history.sqlite"));
        const QByteArray garbage(8192, 'x');
        if (c.expected == PracticeTrouble::Unwritable)
            path = folder.Write("a file", QStringLiteral("plain")) + QStringLiteral("/history.sqlite");
        if (c.expected == PracticeTrouble::Damaged)
            folder.Write(garbage, QStringLiteral("history.sqlite"));
        if (c.expected == PracticeTrouble::Newer) {
            CPracticeRecorder(path, nullptr).Flush();
            Pragma(path, QStringLiteral("user_version=99"));
        }
        std::optional<FullDisk> full;
        if (c.expected == PracticeTrouble::Full) {
            CPracticeRecorder(path, nullptr).Flush();
            full.emplace(0);
        }
        Told told;
        {
            CPracticeRecorder recorder(path, Keep(&told));
            recorder.Record(Answer(45, 45, 900));
            recorder.Record(Answer(47, 47, 900));
        }
        full.reset();
        EXPECT_EQ(told.trouble, c.expected);
        EXPECT_EQ(told.times, 1);
        if (c.expected == PracticeTrouble::Damaged) {
            EXPECT_EQ(ReadFileBytes(told.setAside), garbage);
            EXPECT_EQ(CountAnswers(path), 2);
        }
        if (c.expected == PracticeTrouble::Newer) {
            EXPECT_EQ(Pragma(path, QStringLiteral("user_version")), "99");
        }
        if (c.expected == PracticeTrouble::Full) {
            EXPECT_EQ(CountAnswers(path), 0);
        }
    }
}

// A file opened late: answers given before it opens wait for it and are
// kept, whether it opens when asked, by Flush, or on the way out; with no
// answer it is never made.
TEST(PracticeHistory, AnswersGivenBeforeALateOpeningAreKept)
{
    enum class Then { Nothing, StartOpening, Flush };
    struct Case {
        const char* name;
        int answers;
        Then then;
        bool fileMade;
    };
    for (const Case& c : {Case{"no answer, never asked", 0, Then::Nothing, false},
                          Case{"answers, never asked", 2, Then::Nothing, true},
                          Case{"answers, asked to open", 2, Then::StartOpening, true},
                          Case{"answers, flushed", 3, Then::Flush, true}}) {
        SCOPED_TRACE(c.name);
        CScratchFolder folder;
        const QString path = folder.filePath(QStringLiteral("history.sqlite"));
        {
            CPracticeRecorder recorder(path, nullptr, CPracticeRecorder::Opening::WhenAsked);
            for (int n = 0; n < c.answers; ++n)
                recorder.Record(Answer(45 + n, 45, 900));
            EXPECT_FALSE(QFile::exists(path));
            if (c.then == Then::StartOpening)
                recorder.StartOpening();
            if (c.then == Then::Flush) {
                recorder.Flush();
                EXPECT_EQ(CountAnswers(path), c.answers);
            }
        }
        EXPECT_EQ(QFile::exists(path), c.fileMade);
        if (c.fileMade) {
            EXPECT_EQ(CountAnswers(path), c.answers);
        }
    }
}

TEST(PracticeHistory, AFileLockedLongerThanAWriteWaitsIsToldAndNotHarmed)
{
    CScratchFolder folder;
    const QString path = folder.filePath(QStringLiteral("history.sqlite"));
    CPracticeRecorder(path, nullptr).Flush();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-lock"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
        Told told;
        CPracticeRecorder recorder(path, Keep(&told));
        recorder.Record(Answer(45, 45, 900));
        recorder.Flush();
        EXPECT_EQ(told.trouble, PracticeTrouble::Locked);
        QSqlQuery(db).exec(QStringLiteral("COMMIT"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-lock"));
    EXPECT_EQ(Pragma(path, QStringLiteral("quick_check")), "ok");
}

QProcess* StartWriter(const QString& path, int count, QObject* owner)
{
    auto* writer = new QProcess(owner);
    writer->start(QStringLiteral(PRACTICE_WRITER), {path, QString::number(count)});
    EXPECT_TRUE(writer->waitForStarted());
    return writer;
}


TEST(PracticeHistory, TwoCopiesWritingAtOnceLoseNoAnswer)
{
    CScratchFolder folder;
    const QString path = folder.filePath(QStringLiteral("history.sqlite"));
    QObject owner;
    constexpr int kEach = 150;
    QProcess* first = StartWriter(path, kEach, &owner);
    QProcess* second = StartWriter(path, kEach, &owner);
    for (QProcess* writer : {first, second}) {
        ASSERT_TRUE(writer->waitForFinished(60000));
        EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().toStdString();
    }
    EXPECT_EQ(CountAnswers(path), 2 * kEach);
    EXPECT_EQ(Pragma(path, QStringLiteral("quick_check")), "ok");
}

TEST(PracticeHistory, ACopyKilledWhileWritingLosesAtMostTheAnswerBeingWritten)
{
    CScratchFolder folder;
    const QString path = folder.filePath(QStringLiteral("history.sqlite"));
    QObject owner;
    QProcess* writer = StartWriter(path, 100000, &owner);
    int written = 0;
    while (written < 40 && writer->waitForReadyRead(10000)) {
        while (writer->canReadLine())
            written = writer->readLine().trimmed().split(' ').last().toInt();
    }
    ::kill(pid_t(writer->processId()), SIGKILL);
    writer->waitForFinished();
    while (writer->canReadLine())
        written = writer->readLine().trimmed().split(' ').last().toInt();
    ASSERT_GE(written, 40);
    const int kept = CountAnswers(path);
    EXPECT_GE(kept, written);
    EXPECT_LE(kept, written + 1);
    EXPECT_EQ(Pragma(path, QStringLiteral("quick_check")), "ok");
}

} // namespace
