// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_database.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>

#include <atomic>

namespace {

const QString kDriver = QStringLiteral("QSQLITE");
const QString kFileName = QStringLiteral("practice-history.sqlite");
// What SQLite appends to a database's name for its write-ahead log and
// the log's index.
const QStringList kCompanions = {QStringLiteral("-wal"), QStringLiteral("-shm")};

// Between two tries at a file another copy holds for a moment.
constexpr unsigned long kLockRetryMs = 5;

// SQLite's primary result codes that say what went wrong.
enum SqliteCode : int {
    kPerm = 3,
    kBusy = 5,
    kLocked = 6,
    kReadOnly = 8,
    kIoError = 10,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kNotADatabase = 26,
};
// Extended codes carry the primary one in their low byte.
constexpr int kPrimaryCodeMask = 0xff;

const char* const kTables[] = {
    // Every judged answer, in the order given. The side is where the
    // question was answered (1 fingerboard, 2 staff); times are in
    // milliseconds; cents is null when the answer was clicked or the
    // listener did not tell.
    "CREATE TABLE IF NOT EXISTS answers ("
    " id INTEGER PRIMARY KEY,"
    " answered_at INTEGER NOT NULL,"
    " music_key INTEGER NOT NULL,"
    " side INTEGER NOT NULL,"
    " asked_pitch INTEGER NOT NULL,"
    " answered_pitch INTEGER NOT NULL,"
    " correct INTEGER NOT NULL,"
    " response_ms INTEGER NOT NULL,"
    " played INTEGER NOT NULL,"
    " cents REAL)",
    "CREATE INDEX IF NOT EXISTS answers_by_time ON answers (answered_at)",
    // The Leitner box of each note of each key, kept with the answers
    // that moved it so that choosing a weak note reads a few rows.
    "CREATE TABLE IF NOT EXISTS boxes ("
    " music_key INTEGER NOT NULL,"
    " pitch INTEGER NOT NULL,"
    " box INTEGER NOT NULL,"
    " PRIMARY KEY (music_key, pitch)) WITHOUT ROWID",
};

QString NewConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("voldrim-practice-%1").arg(next++);
}

} // namespace

QString PracticeHistoryPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(kFileName);
}

PracticeTrouble PracticeTroubleOf(const QSqlError& error)
{
    switch (error.nativeErrorCode().toInt() & kPrimaryCodeMask) {
    case kBusy:
    case kLocked: return PracticeTrouble::Locked;
    case kFull:
    case kIoError: return PracticeTrouble::Full;
    case kCorrupt:
    case kNotADatabase: return PracticeTrouble::Damaged;
    case kPerm:
    case kReadOnly:
    case kCantOpen:
    default: return PracticeTrouble::Unwritable;
    }
}

QString SetAsideDamagedFile(const QString& path)
{
    const QFileInfo file(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside;
    for (int n = 1; aside.isEmpty() || QFileInfo::exists(aside); ++n) {
        const QString number = n == 1 ? QString() : QStringLiteral("-%1").arg(n);
        aside = file.dir().filePath(file.completeBaseName() + QStringLiteral("-damaged-") + stamp + number +
                                    QLatin1Char('.') + file.suffix());
    }
    if (!QFile::rename(path, aside))
        return QString();
    // The log belongs to the damaged file; left behind, it would be read
    // into the fresh one.
    for (const QString& companion : kCompanions) {
        if (QFileInfo::exists(path + companion))
            QFile::rename(path + companion, aside + companion);
    }
    return aside;
}

CPracticeDatabase::CPracticeDatabase(const QString& path) : m_path(path), m_connectionName(NewConnectionName()) {}

CPracticeDatabase::~CPracticeDatabase()
{
    Close();
}

void CPracticeDatabase::Close()
{
    if (!m_db.isValid())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

PracticeTrouble CPracticeDatabase::Failed(const QSqlError& error)
{
    m_lastError = error.text();
    return PracticeTroubleOf(error);
}

QSqlQuery CPracticeDatabase::Prepare(const QString& sql)
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(sql);
    return query;
}

bool CPracticeDatabase::Exec(const QString& sql, QSqlQuery* result)
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const bool done = query.exec(sql);
    if (!done)
        m_lastError = query.lastError().text();
    if (result)
        *result = std::move(query);
    return done;
}

bool CPracticeDatabase::OpenToRead(PracticeTrouble* trouble)
{
    *trouble = PracticeTrouble::None;
    if (!QFileInfo::exists(m_path))
        return false;
    m_db = QSqlDatabase::addDatabase(kDriver, m_connectionName);
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!m_db.open()) {
        *trouble = Failed(m_db.lastError());
        return false;
    }
    const int version = SchemaVersion(trouble);
    if (*trouble == PracticeTrouble::None && version > kSchemaVersion)
        *trouble = PracticeTrouble::Newer;
    // A file made but never given its tables holds no answer.
    return *trouble == PracticeTrouble::None && version == kSchemaVersion;
}

PracticeTrouble CPracticeDatabase::OpenToWrite()
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return PracticeTrouble::Unwritable;
    m_db = QSqlDatabase::addDatabase(kDriver, m_connectionName);
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!m_db.open())
        return Failed(m_db.lastError());
    for (auto step : {&CPracticeDatabase::UseWriteAheadLog, &CPracticeDatabase::CheckWhole,
                      &CPracticeDatabase::MakeTables}) {
        if (const PracticeTrouble trouble = (this->*step)(); trouble != PracticeTrouble::None)
            return trouble;
    }
    return PracticeTrouble::None;
}

PracticeTrouble CPracticeDatabase::UseWriteAheadLog()
{
    // Readers and the writer do not wait for each other, and a write is
    // one append to the log. FULL puts each answer on the disk before the
    // next is taken, so that a crash loses at most the one being written.
    // Another copy turning a new file to the log at the same moment makes
    // SQLite refuse at once rather than wait: try again for as long as a
    // write waits.
    QElapsedTimer waited;
    waited.start();
    for (const char* sql : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"}) {
        QSqlQuery query;
        while (!Exec(QString::fromLatin1(sql), &query)) {
            const PracticeTrouble trouble = Failed(query.lastError());
            if (trouble != PracticeTrouble::Locked || waited.elapsed() >= kBusyTimeoutMs)
                return trouble;
            QThread::msleep(kLockRetryMs);
        }
    }
    return PracticeTrouble::None;
}

PracticeTrouble CPracticeDatabase::CheckWhole()
{
    QSqlQuery query;
    if (!Exec(QStringLiteral("PRAGMA quick_check"), &query))
        return Failed(query.lastError());
    if (!query.next() || query.value(0).toString() != QLatin1String("ok")) {
        m_lastError = query.value(0).toString();
        return PracticeTrouble::Damaged;
    }
    return PracticeTrouble::None;
}

int CPracticeDatabase::SchemaVersion(PracticeTrouble* trouble)
{
    QSqlQuery query;
    if (!Exec(QStringLiteral("PRAGMA user_version"), &query) || !query.next()) {
        *trouble = Failed(query.lastError());
        return 0;
    }
    return query.value(0).toInt();
}

PracticeTrouble CPracticeDatabase::MakeTables()
{
    PracticeTrouble trouble = PracticeTrouble::None;
    if (const int version = SchemaVersion(&trouble); trouble != PracticeTrouble::None || version != 0)
        return version > kSchemaVersion ? PracticeTrouble::Newer : trouble;
    // Another copy of the program may be making them at the same moment:
    // one of the two waits for the other's transaction.
    QSqlQuery query(m_db);
    bool done = query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (const char* sql : kTables)
        done = done && query.exec(QString::fromLatin1(sql));
    done = done && query.exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion)) &&
           query.exec(QStringLiteral("COMMIT"));
    if (!done) {
        const QSqlError error = query.lastError();
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
        return Failed(error);
    }
    return PracticeTrouble::None;
}
