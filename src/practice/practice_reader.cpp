// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_reader.h"

#include "practice/practice_database.h"

#include <QDateTime>
#include <QVariant>

namespace {

// The medians come from the answers ranked by response time within their
// note: the middle one, or the mean of the middle two.
const char* const kStandingsOfKey =
    "WITH ranked AS ("
    " SELECT music_key, side, asked_pitch, correct, response_ms,"
    "  ROW_NUMBER() OVER (PARTITION BY music_key, side, asked_pitch ORDER BY response_ms) AS n,"
    "  COUNT(*) OVER (PARTITION BY music_key, side, asked_pitch) AS total"
    " FROM answers WHERE music_key = ?)"
    " SELECT music_key, side, asked_pitch, total, SUM(correct),"
    "  AVG(CASE WHEN n IN ((total + 1) / 2, (total + 2) / 2) THEN response_ms END)"
    " FROM ranked GROUP BY music_key, side, asked_pitch";
// Every key at once: a note is its pitch.
const char* const kStandingsOfAllKeys =
    "WITH ranked AS ("
    " SELECT side, asked_pitch, correct, response_ms,"
    "  ROW_NUMBER() OVER (PARTITION BY side, asked_pitch ORDER BY response_ms) AS n,"
    "  COUNT(*) OVER (PARTITION BY side, asked_pitch) AS total"
    " FROM answers)"
    " SELECT 0, side, asked_pitch, total, SUM(correct),"
    "  AVG(CASE WHEN n IN ((total + 1) / 2, (total + 2) / 2) THEN response_ms END)"
    " FROM ranked GROUP BY side, asked_pitch";

const char* const kDayTallies =
    "SELECT date(answered_at / 1000, 'unixepoch', 'localtime') AS day, COUNT(*), SUM(correct)"
    " FROM answers WHERE answered_at >= ? AND answered_at < ? AND (? = 0 OR music_key = ?)"
    " GROUP BY day ORDER BY day";

qint64 StartOf(const QDate& day)
{
    return day.startOfDay().toMSecsSinceEpoch();
}

// Runs the query; a failure is the reader's trouble from then on.
bool Run(CPracticeDatabase& db, QSqlQuery& query, PracticeTrouble* trouble)
{
    if (query.exec())
        return true;
    *trouble = db.Failed(query.lastError());
    return false;
}

} // namespace

CPracticeReader::CPracticeReader(const QString& path) : m_db(std::make_unique<CPracticeDatabase>(path))
{
    m_bHasTables = m_db->OpenToRead(&m_trouble);
}

CPracticeReader::~CPracticeReader() = default;

QString CPracticeReader::ErrorText() const
{
    return m_db->LastError();
}

bool CPracticeReader::ForEachAnswer(const std::function<bool(const PracticeAnswer&)>& each)
{
    if (!HasTables())
        return m_trouble == PracticeTrouble::None;
    QSqlQuery query = m_db->Prepare(
        QStringLiteral("SELECT answered_at, music_key, side, asked_pitch, answered_pitch, correct, response_ms,"
                       " played, cents FROM answers ORDER BY id"));
    if (!Run(*m_db, query, &m_trouble))
        return false;
    while (query.next()) {
        PracticeAnswer answer;
        answer.answeredAt = query.value(0).toLongLong();
        answer.key = query.value(1).toInt();
        answer.side = PracticeSide(query.value(2).toInt());
        answer.askedPitch = query.value(3).toInt();
        answer.answeredPitch = query.value(4).toInt();
        answer.right = query.value(5).toInt() != 0;
        answer.responseMs = query.value(6).toInt();
        answer.playing.played = query.value(7).toInt() != 0;
        if (const QVariant cents = query.value(8); !cents.isNull())
            answer.playing.cents = cents.toDouble();
        if (!each(answer))
            return true;
    }
    // A read that stops early on a damaged page says so here.
    if (query.lastError().isValid()) {
        m_trouble = m_db->Failed(query.lastError());
        return false;
    }
    return true;
}

std::vector<NoteStanding> CPracticeReader::NoteStandings(int key)
{
    std::vector<NoteStanding> standings;
    if (!HasTables())
        return standings;
    QSqlQuery query =
        m_db->Prepare(QString::fromLatin1(key == kAllKeys ? kStandingsOfAllKeys : kStandingsOfKey));
    if (key != kAllKeys)
        query.addBindValue(key);
    if (!Run(*m_db, query, &m_trouble))
        return standings;
    while (query.next()) {
        standings.push_back({query.value(0).toInt(), PracticeSide(query.value(1).toInt()), query.value(2).toInt(),
                             query.value(3).toInt(), query.value(4).toInt(), qRound(query.value(5).toDouble())});
    }
    return standings;
}

std::vector<DayTally> CPracticeReader::DayTallies(const QDate& first, const QDate& last, int key)
{
    std::vector<DayTally> days;
    if (!HasTables())
        return days;
    QSqlQuery query = m_db->Prepare(QString::fromLatin1(kDayTallies));
    query.addBindValue(StartOf(first));
    query.addBindValue(StartOf(last.addDays(1)));
    query.addBindValue(key);
    query.addBindValue(key);
    if (!Run(*m_db, query, &m_trouble))
        return days;
    while (query.next()) {
        days.push_back({QDate::fromString(query.value(0).toString(), Qt::ISODate), query.value(1).toInt(),
                        query.value(2).toInt()});
    }
    return days;
}

std::vector<LeitnerBox> CPracticeReader::Boxes()
{
    std::vector<LeitnerBox> boxes;
    if (!HasTables())
        return boxes;
    QSqlQuery query = m_db->Prepare(QStringLiteral("SELECT music_key, pitch, box FROM boxes"));
    if (!Run(*m_db, query, &m_trouble))
        return boxes;
    while (query.next())
        boxes.push_back({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt()});
    return boxes;
}

bool CPracticeReader::Clear()
{
    if (!HasTables())
        return m_trouble == PracticeTrouble::None;
    for (const char* sql : {"BEGIN IMMEDIATE", "DELETE FROM answers", "DELETE FROM boxes", "COMMIT"}) {
        QSqlQuery query = m_db->Prepare(QString::fromLatin1(sql));
        if (!Run(*m_db, query, &m_trouble)) {
            QSqlQuery rollback = m_db->Prepare(QStringLiteral("ROLLBACK"));
            rollback.exec();
            return false;
        }
    }
    return true;
}
