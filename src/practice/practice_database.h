// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A connection to the history file, for the library's own use: write-ahead
// logging, a wait for locks another copy of the program holds, and the
// schema with its version. Each connection is used by one thread only.
#include "practice/practice_history.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

class CPracticeDatabase {
public:
    // The version of the tables below, in the file's user_version.
    static constexpr int kSchemaVersion = 1;
    // How long a write waits for another copy of the program: far longer
    // than any write of an answer takes.
    static constexpr int kBusyTimeoutMs = 5000;

    explicit CPracticeDatabase(const QString& path);
    ~CPracticeDatabase();
    CPracticeDatabase(const CPracticeDatabase&) = delete;
    CPracticeDatabase& operator=(const CPracticeDatabase&) = delete;

    // Opens the file to write, making the folder, the file and its tables
    // when they are not there, and checks that the file is whole.
    PracticeTrouble OpenToWrite();
    // Opens an existing file to read (and to clear). A file that is not
    // there is an empty history: false, with no trouble.
    bool OpenToRead(PracticeTrouble* trouble);
    void Close();

    QSqlDatabase& Handle() { return m_db; }
    // A statement prepared on this connection.
    QSqlQuery Prepare(const QString& sql);
    // What went wrong last, in SQLite's words.
    QString LastError() const { return m_lastError; }
    // Records the failed statement's error and says what it means.
    PracticeTrouble Failed(const QSqlError& error);

private:
    bool Exec(const QString& sql, QSqlQuery* result = nullptr);
    PracticeTrouble UseWriteAheadLog();
    PracticeTrouble CheckWhole();
    PracticeTrouble MakeTables();
    int SchemaVersion(PracticeTrouble* trouble);

    QString m_path;
    QString m_connectionName;
    QSqlDatabase m_db;
    QString m_lastError;
};

// What an SQLite error means for the history.
PracticeTrouble PracticeTroubleOf(const QSqlError& error);

// Moves a damaged history file, with its log, aside under a new name in
// its folder, so that a fresh one can start; nothing is deleted. The new
// name, or empty when it could not be moved.
QString SetAsideDamagedFile(const QString& path);
