// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The practice history with 100,000 answers already stored: recording one
// more on the user-interface thread (against an SQLite insert of the same
// row made there, on the disk before it returns, which is what the
// recorder's thread spares the answer's dialog); opening the progress
// window (against a bare window of the same size with an empty chart);
// and `voldrim --practice-csv` (against `voldrim --version`, the start and
// end of the same program). Figures are medians of each run, in ms.
#include "practice/practice_database.h"
#include "practice/practice_recorder.h"
#include "support/timestamping_midi_output.h"
#include "views/practice/progress_window.h"

#include <QChartView>
#include <QCoreApplication>
#include <QDialog>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kStoredAnswers = 100000;
constexpr int kRecorded = 50;
constexpr int kDayMs = 24 * 3600 * 1000;
constexpr int kDays = 28;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

PracticeAnswer SomeAnswer(std::mt19937& random)
{
    static const int kPitches[] = {36, 38, 40, 41, 43, 45, 47, 48, 50, 52, 53, 55, 57, 59, 60, 62};
    PracticeAnswer answer;
    answer.answeredAt = QDateTime::currentMSecsSinceEpoch() - qint64(random() % kDays) * kDayMs;
    answer.key = int(1 + random() % 5);
    answer.side = random() % 2 ? PracticeSide::Staff : PracticeSide::Fingerboard;
    answer.askedPitch = kPitches[random() % std::size(kPitches)];
    answer.right = random() % 5 != 0;
    answer.answeredPitch = answer.right ? answer.askedPitch : answer.askedPitch + 2;
    answer.responseMs = int(500 + random() % 6000);
    return answer;
}

bool Insert(CPracticeDatabase& db, const PracticeAnswer& answer)
{
    QSqlQuery insert = db.Prepare(QStringLiteral(
        "INSERT INTO answers (answered_at, music_key, side, asked_pitch, answered_pitch, correct, response_ms,"
        " played, cents) VALUES (?, ?, ?, ?, ?, ?, ?, 0, NULL)"));
    for (const QVariant& value : {QVariant(answer.answeredAt), QVariant(answer.key), QVariant(int(answer.side)),
                                  QVariant(answer.askedPitch), QVariant(answer.answeredPitch),
                                  QVariant(int(answer.right)), QVariant(answer.responseMs)})
        insert.addBindValue(value);
    return insert.exec();
}

// A history of kStoredAnswers answers over the last four weeks, made in one
// transaction.
bool FillHistory(const QString& path)
{
    CPracticeDatabase db(path);
    if (db.OpenToWrite() != PracticeTrouble::None)
        return false;
    std::mt19937 random(1);
    bool done = db.Prepare(QStringLiteral("BEGIN")).exec();
    for (int i = 0; i < kStoredAnswers && done; ++i)
        done = Insert(db, SomeAnswer(random));
    return done && db.Prepare(QStringLiteral("COMMIT")).exec();
}

void BM_RecordAnswer(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("history.sqlite"));
    if (!FillHistory(path)) {
        state.SkipWithError("the history could not be made");
        return;
    }
    CPracticeRecorder recorder(path, nullptr);
    CPracticeDatabase anchor(path);
    anchor.OpenToWrite();
    std::mt19937 random(2);
    std::vector<double> handed, written, anchors;
    for (auto _ : state) {
        for (int i = 0; i < kRecorded; ++i) {
            const PracticeAnswer answer = SomeAnswer(random);
            // Answers come seconds apart: the recorder is idle at each.
            recorder.Flush();
            const Clock::time_point start = Clock::now();
            recorder.Record(answer);
            handed.push_back(MsSince(start));
            recorder.Flush();
            written.push_back(MsSince(start));
            const Clock::time_point anchorStart = Clock::now();
            Insert(anchor, answer);
            anchors.push_back(MsSince(anchorStart));
        }
    }
    state.counters["record_ms"] = Quantile(handed, 0.5);
    state.counters["written_ms"] = Quantile(written, 0.5);
    state.counters["anchor_ms"] = Quantile(anchors, 0.5);
}
BENCHMARK(BM_RecordAnswer)->Iterations(1)->Unit(benchmark::kMillisecond);

// Shows the window and waits for its first painting.
void ShowAndPaint(QWidget& window)
{
    window.show();
    QCoreApplication::processEvents();
    window.grab();
}

void BM_OpenProgressWindow(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("history.sqlite"));
    if (!FillHistory(path)) {
        state.SkipWithError("the history could not be made");
        return;
    }
    std::vector<double> figures, anchors;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        {
            CPracticeProgressWindow window(path, 1, nullptr);
            ShowAndPaint(window);
            figures.push_back(MsSince(start));
        }
        start = Clock::now();
        {
            QDialog bare;
            bare.resize(630, 470);
            auto* layout = new QVBoxLayout(&bare);
            layout->addWidget(new QChartView);
            ShowAndPaint(bare);
            anchors.push_back(MsSince(start));
        }
    }
    state.counters["open_ms"] = Quantile(figures, 0.5);
    state.counters["anchor_ms"] = Quantile(anchors, 0.5);
}
BENCHMARK(BM_OpenProgressWindow)->Iterations(5)->Unit(benchmark::kMillisecond);

double RunProgram(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess program;
    program.setProcessEnvironment(environment);
    const Clock::time_point start = Clock::now();
    program.start(QStringLiteral(VOLDRIM_PROGRAM), arguments);
    program.waitForFinished(60000);
    return program.exitCode() == 0 ? MsSince(start) : -1;
}

void BM_PracticeCsv(benchmark::State& state)
{
    QTemporaryDir folder;
    if (!FillHistory(folder.filePath(QStringLiteral("Voldrim/practice-history.sqlite")))) {
        state.SkipWithError("the history could not be made");
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder.path());
    std::vector<double> figures, anchors;
    for (auto _ : state) {
        figures.push_back(RunProgram({QStringLiteral("--practice-csv"), folder.filePath(QStringLiteral("a.csv"))},
                                     environment));
        anchors.push_back(RunProgram({QStringLiteral("--version")}, environment));
        if (figures.back() < 0 || anchors.back() < 0) {
            state.SkipWithError("voldrim failed");
            break;
        }
    }
    state.counters["csv_ms"] = Quantile(figures, 0.5);
    state.counters["anchor_ms"] = Quantile(anchors, 0.5);
}
BENCHMARK(BM_PracticeCsv)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
