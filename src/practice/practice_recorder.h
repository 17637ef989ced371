// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes answers into the history on a thread of its own, so that an
// answer's dialog never waits for the disk. Each answer is one transaction,
// on the disk before the next is taken. The first trouble is told once; a
// damaged file is set aside and a fresh one started, any other trouble
// ends the history for the run and answers are dropped from then on. The
// file may open later than the recorder is made, so that a program that is
// starting does not wait for it; answers recorded before wait for it.
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

    enum class Opening { Now, WhenAsked };

    // Opens (or makes) the file on the recorder's thread: at once, or when
    // StartOpening is first called (by Flush, or on the way out when an
    // answer waits, at the latest).
    CPracticeRecorder(const QString& path, TroubleHandler onTrouble, Opening opening = Opening::Now);
    // Writes what is still waiting, then closes the file. A file never
    // opened, with no answer waiting, is left alone.
    ~CPracticeRecorder();
    CPracticeRecorder(const CPracticeRecorder&) = delete;
    CPracticeRecorder& operator=(const CPracticeRecorder&) = delete;

    // Hands the answer over and returns at once.
    void Record(const PracticeAnswer& answer);
    // Starts the recorder's thread, which opens the file, unless it has
    // started already. Call from the thread that owns the recorder.
    void StartOpening();
    // Opens the file if it is not yet, then waits until it is open and every
    // answer handed over is written or dropped.
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
