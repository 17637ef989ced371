// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes answers into the history on a thread of its own, so that an
// answer's dialog never waits for the disk. Each answer is one transaction,
// on the disk before the next is taken. The first trouble is told once; a
// damaged file is set aside and a fresh one started, any other trouble
// ends the history for the run and answers are dropped from then on.
#include "practice/practice_answer.h"
#include "practice/practice_history.h"

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class CPracticeDatabase;

class CPracticeRecorder {
public:
    // Told on the recorder's thread; the damaged file's new name with Damaged.
    using TroubleHandler = std::function<void(PracticeTrouble trouble, const QString& setAside)>;

    // Opens (or makes) the file at once, on the recorder's thread.
    CPracticeRecorder(const QString& path, TroubleHandler onTrouble);
    // Writes what is still waiting, then closes the file.
    ~CPracticeRecorder();
    CPracticeRecorder(const CPracticeRecorder&) = delete;
    CPracticeRecorder& operator=(const CPracticeRecorder&) = delete;

    // Hands the answer over and returns at once.
    void Record(const PracticeAnswer& answer);
    // Waits until the file is open and every answer handed over is written
    // or dropped.
    void Flush();
    const QString& Path() const { return m_path; }

private:
    void Run();
    // Opens the file; a damaged one is set aside for a fresh one. False
    // when the history cannot be kept.
    bool Open(CPracticeDatabase& db);
    // Sets the damaged file aside and opens a fresh one.
    PracticeTrouble StartAfresh(CPracticeDatabase& db);
    bool Write(CPracticeDatabase& db, const PracticeAnswer& answer);
    // Tells the trouble, the first time only.
    void Tell(PracticeTrouble trouble, const QString& setAside = QString());

    QString m_path;
    TroubleHandler m_onTrouble;
    bool m_bTold = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<PracticeAnswer> m_waiting;
    // Opening the file or writing an answer.
    bool m_bBusy = true;
    bool m_bStopping = false;
    std::thread m_thread;
};
