// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's practice log: every judged Show Me answer goes into the
// practice history without holding up its dialog; what keeps the history
// from being kept is said once; and weak notes are chosen by their Leitner
// boxes. The application installs one for its run; without one nothing is
// recorded and questions are chosen as always. The history file opens once
// the main window has been painted, so that the window does not wait for
// it; answers given before wait for it.
#include "framework/service.h"
#include "model/key.h"
#include "practice/leitner_boxes.h"
#include "practice/practice_history.h"
#include "practice/practice_recorder.h"
#include "quiz/question_tables.h"

#include <memory>
#include <random>

class CVoldrimDoc;

class CPracticeLog {
public:
    explicit CPracticeLog(const QString& path = PracticeHistoryPath());
    ~CPracticeLog();

    void Record(const PracticeAnswer& answer);
    // A note of the key's question table, weak notes first.
    int ChooseWeakNote(Key key);
    // Waits until every answer recorded is in the file.
    void Flush() { m_pRecorder->Flush(); }
    const QString& Path() const { return m_pRecorder->Path(); }
    // Clears the history; false, with the message said, when it could not.
    bool ResetHistory();

private:
    void LoadBoxes();

    // Shared with the call that opens it, which may come after this log is gone.
    std::shared_ptr<CPracticeRecorder> m_pRecorder;
    CLeitnerBoxes m_boxes;
    bool m_bBoxesLoaded = false;
    std::mt19937 m_generator;
};

inline CPracticeLog* AfxGetPracticeLog() { return CService<CPracticeLog>::Get(); }

// The answer just judged, as the practice log records it; the question's
// time runs from doc.m_questionShownAt.
void RecordShowMeAnswer(const CVoldrimDoc& doc, bool right, const PracticePlaying& playing);
