// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_recorder.h"

#include "practice/leitner_boxes.h"
#include "practice/practice_database.h"

#include <QVariant>

namespace {

PracticeTrouble Run(CPracticeDatabase& db, QSqlQuery& query)
{
    return query.exec() ? PracticeTrouble::None : db.Failed(query.lastError());
}

PracticeTrouble Exec(CPracticeDatabase& db, const QString& sql)
{
    QSqlQuery query = db.Prepare(sql);
    return Run(db, query);
}

PracticeTrouble Insert(CPracticeDatabase& db, const PracticeAnswer& answer)
{
    QSqlQuery insert = db.Prepare(QStringLiteral(
        "INSERT INTO answers (answered_at, music_key, side, asked_pitch, answered_pitch, correct, response_ms,"
        " played, cents) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    insert.addBindValue(answer.answeredAt);
    insert.addBindValue(answer.key);
    insert.addBindValue(int(answer.side));
    insert.addBindValue(answer.askedPitch);
    insert.addBindValue(answer.answeredPitch);
    insert.addBindValue(answer.right ? 1 : 0);
    insert.addBindValue(answer.responseMs);
    insert.addBindValue(answer.playing.played ? 1 : 0);
    insert.addBindValue(answer.playing.cents ? QVariant(*answer.playing.cents)
                                             : QVariant(QMetaType(QMetaType::Double)));
    return Run(db, insert);
}

PracticeTrouble MoveBox(CPracticeDatabase& db, const PracticeAnswer& answer)
{
    QSqlQuery read = db.Prepare(QStringLiteral("SELECT box FROM boxes WHERE music_key = ? AND pitch = ?"));
    read.addBindValue(answer.key);
    read.addBindValue(answer.askedPitch);
    if (const PracticeTrouble trouble = Run(db, read); trouble != PracticeTrouble::None)
        return trouble;
    const int box = read.next() ? read.value(0).toInt() : kFirstLeitnerBox;
    QSqlQuery write =
        db.Prepare(QStringLiteral("INSERT OR REPLACE INTO boxes (music_key, pitch, box) VALUES (?, ?, ?)"));
    write.addBindValue(answer.key);
    write.addBindValue(answer.askedPitch);
    write.addBindValue(NextLeitnerBox(box, answer.right, answer.responseMs));
    return Run(db, write);
}

// The answer and the box it moves, in one transaction.
PracticeTrouble WriteOnce(CPracticeDatabase& db, const PracticeAnswer& answer)
{
    PracticeTrouble trouble = Exec(db, QStringLiteral("BEGIN IMMEDIATE"));
    if (trouble != PracticeTrouble::None)
        return trouble;
    trouble = Insert(db, answer);
    if (trouble == PracticeTrouble::None)
        trouble = MoveBox(db, answer);
    if (trouble == PracticeTrouble::None)
        trouble = Exec(db, QStringLiteral("COMMIT"));
    if (trouble != PracticeTrouble::None)
        Exec(db, QStringLiteral("ROLLBACK"));
    return trouble;
}

} // namespace

CPracticeRecorder::CPracticeRecorder(const QString& path, TroubleHandler onTrouble, Opening opening)
    : m_path(path), m_onTrouble(std::move(onTrouble))
{
    if (opening == Opening::Now)
        StartOpening();
}

CPracticeRecorder::~CPracticeRecorder()
{
    bool answersWait = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStopping = true;
        answersWait = !m_waiting.empty();
    }
    // Answers given before the file was asked to open are still written.
    if (answersWait)
        StartOpening();
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void CPracticeRecorder::StartOpening()
{
    if (!m_thread.joinable())
        m_thread = std::thread([this] { Run(); });
}

void CPracticeRecorder::Record(const PracticeAnswer& answer)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_waiting.push_back(answer);
    }
    m_changed.notify_all();
}

void CPracticeRecorder::Flush()
{
    StartOpening();
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_waiting.empty() && !m_bBusy; });
}

void CPracticeRecorder::Tell(PracticeTrouble trouble, const QString& setAside)
{
    if (m_bTold || !m_onTrouble)
        return;
    m_bTold = true;
    m_onTrouble(trouble, setAside);
}

bool CPracticeRecorder::Open(CPracticeDatabase& db)
{
    PracticeTrouble trouble = db.OpenToWrite();
    if (trouble == PracticeTrouble::Damaged)
        trouble = StartAfresh(db);
    if (trouble != PracticeTrouble::None)
        Tell(trouble);
    return trouble == PracticeTrouble::None;
}

PracticeTrouble CPracticeRecorder::StartAfresh(CPracticeDatabase& db)
{
    db.Close();
    const QString aside = SetAsideDamagedFile(m_path);
    if (aside.isEmpty())
        return PracticeTrouble::Unwritable;
    Tell(PracticeTrouble::Damaged, aside);
    return db.OpenToWrite();
}

bool CPracticeRecorder::Write(CPracticeDatabase& db, const PracticeAnswer& answer)
{
    PracticeTrouble trouble = WriteOnce(db, answer);
    // Damage found while writing: the answer goes into a fresh file.
    if (trouble == PracticeTrouble::Damaged) {
        trouble = StartAfresh(db);
        if (trouble == PracticeTrouble::None)
            trouble = WriteOnce(db, answer);
    }
    if (trouble != PracticeTrouble::None)
        Tell(trouble);
    return trouble == PracticeTrouble::None;
}

void CPracticeRecorder::Run()
{
    CPracticeDatabase db(m_path);
    bool keeping = Open(db);
    std::unique_lock<std::mutex> lock(m_mutex);
    m_bBusy = false;
    m_changed.notify_all();
    for (;;) {
        m_changed.wait(lock, [this] { return m_bStopping || !m_waiting.empty(); });
        if (m_waiting.empty())
            break;
        const PracticeAnswer answer = m_waiting.front();
        m_waiting.pop_front();
        m_bBusy = true;
        lock.unlock();
        // After a trouble the history is not kept for the rest of the run.
        keeping = keeping && Write(db, answer);
        lock.lock();
        m_bBusy = false;
        m_changed.notify_all();
    }
}
