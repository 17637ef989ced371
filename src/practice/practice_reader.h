// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the history: every answer in order, how well each note is known,
// the answers of each day, the Leitner boxes; and clearing it. A file not
// there yet is an empty history.
#include "practice/practice_answer.h"
#include "practice/practice_history.h"

#include <QDate>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CPracticeDatabase;

// Every key at once, where a key is asked for.
constexpr int kAllKeys = 0;

// The answers about one note of one key on one side.
struct NoteStanding {
    int key = 0;
    PracticeSide side = PracticeSide::Staff;
    int pitch = 0;
    int answers = 0;
    int right = 0;
    // The median of the answers' response times.
    int medianMs = 0;
};

// The answers of one day (local time).
struct DayTally {
    QDate day;
    int answers = 0;
    int right = 0;
};

struct LeitnerBox {
    int key = 0;
    int pitch = 0;
    int box = 0;
};

class CPracticeReader {
public:
    explicit CPracticeReader(const QString& path);
    ~CPracticeReader();
    CPracticeReader(const CPracticeReader&) = delete;
    CPracticeReader& operator=(const CPracticeReader&) = delete;

    // None while the history can be read. After a failed read, why.
    PracticeTrouble Trouble() const { return m_trouble; }
    // SQLite's own words for the trouble.
    QString ErrorText() const;

    // Every answer, oldest first, until `each` returns false. False when
    // the history could not be read to its end.
    bool ForEachAnswer(const std::function<bool(const PracticeAnswer&)>& each);
    // Notes with at least one answer, of the key or of every key.
    std::vector<NoteStanding> NoteStandings(int key);
    // The days from first to last with at least one answer.
    std::vector<DayTally> DayTallies(const QDate& first, const QDate& last, int key);
    std::vector<LeitnerBox> Boxes();
    // Removes every answer and box. False when it could not.
    bool Clear();

private:
    // Whether there are tables to read; false for an empty history too.
    bool HasTables() const { return m_bHasTables; }

    std::unique_ptr<CPracticeDatabase> m_db;
    PracticeTrouble m_trouble = PracticeTrouble::None;
    bool m_bHasTables = false;
};
