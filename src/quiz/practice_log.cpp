// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/practice_log.h"

#include "doc/voldrim_doc.h"
#include "framework/main_window_shows.h"
#include "framework/message_box.h"
#include "practice/practice_reader.h"
#include "quiz/question_clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

#include <algorithm>

namespace {

CString TroubleMessage(PracticeTrouble trouble, const QString& path, const QString& setAside)
{
    const QString file = QDir::toNativeSeparators(path);
    const QString goesOn = QStringLiteral("  Show Me goes on, but your answers are not recorded.");
    switch (trouble) {
    case PracticeTrouble::Damaged:
        return QStringLiteral("Your practice history %1 was damaged.  Voldrim set it aside as %2 and started a "
                              "new one.")
            .arg(file, QDir::toNativeSeparators(setAside));
    case PracticeTrouble::Full:
        return QStringLiteral("Voldrim could not write your practice history %1: the disk is full or failing.")
                   .arg(file) +
               goesOn;
    case PracticeTrouble::Locked:
        return QStringLiteral("Voldrim could not write your practice history %1: another program keeps it "
                              "locked.")
                   .arg(file) +
               goesOn;
    case PracticeTrouble::Newer:
        return QStringLiteral("Your practice history %1 was written by a newer Voldrim, which this one cannot "
                              "read.")
                   .arg(file) +
               goesOn;
    default:
        return QStringLiteral("Voldrim cannot keep your practice history: %1 cannot be written.").arg(file) +
               goesOn;
    }
}

// The history's troubles are found on the recorder's thread and said on
// the program's.
void SayLater(const CString& message)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        QMetaObject::invokeMethod(application, [message] { AfxMessageBox(message); }, Qt::QueuedConnection);
}

std::vector<int> DistinctPitches(const QuestionTable& table)
{
    std::vector<int> pitches(table.begin(), table.end());
    std::sort(pitches.begin(), pitches.end());
    pitches.erase(std::unique(pitches.begin(), pitches.end()), pitches.end());
    return pitches;
}

} // namespace

CPracticeLog::CPracticeLog(const QString& path)
    : m_pRecorder(std::make_shared<CPracticeRecorder>(
          path,
          [path](PracticeTrouble trouble, const QString& setAside) {
              SayLater(TroubleMessage(trouble, path, setAside));
          },
          CPracticeRecorder::Opening::WhenAsked)),
      m_generator(static_cast<unsigned>(AfxGetQuestionClock().Now()))
{
    AfxCallWhenMainWindowPainted([weak = std::weak_ptr<CPracticeRecorder>(m_pRecorder)] {
        if (const std::shared_ptr<CPracticeRecorder> recorder = weak.lock())
            recorder->StartOpening();
    });
}

CPracticeLog::~CPracticeLog() = default;

void CPracticeLog::Record(const PracticeAnswer& answer)
{
    m_pRecorder->Record(answer);
    // Boxes not yet read get this answer from the file.
    if (m_bBoxesLoaded)
        m_boxes.Take(answer.key, answer.askedPitch, answer.right, answer.responseMs);
}

void CPracticeLog::LoadBoxes()
{
    // Every answer recorded so far is in the file, and in no box twice.
    m_pRecorder->Flush();
    CPracticeReader reader(Path());
    for (const LeitnerBox& box : reader.Boxes())
        m_boxes.SetBox(box.key, box.pitch, box.box);
    m_bBoxesLoaded = true;
}

int CPracticeLog::ChooseWeakNote(Key key)
{
    if (!m_bBoxesLoaded)
        LoadBoxes();
    return m_boxes.Choose(key, DistinctPitches(QuestionTableOf(key)), m_generator);
}

bool CPracticeLog::ResetHistory()
{
    m_pRecorder->Flush();
    CPracticeReader reader(Path());
    if (!reader.Clear()) {
        AfxMessageBox(QStringLiteral("Voldrim could not clear your practice history %1: %2")
                          .arg(QDir::toNativeSeparators(Path()), reader.ErrorText()));
        return false;
    }
    m_boxes.Clear();
    m_bBoxesLoaded = true;
    return true;
}

void RecordShowMeAnswer(const CVoldrimDoc& doc, bool right, const PracticePlaying& playing)
{
    CPracticeLog* log = AfxGetPracticeLog();
    if (!log)
        return;
    PracticeAnswer answer;
    answer.answeredAt = QDateTime::currentMSecsSinceEpoch();
    answer.key = doc.m_nKey;
    answer.side = doc.m_nQuestionType == AnswerOnFingerboard ? PracticeSide::Fingerboard : PracticeSide::Staff;
    answer.askedPitch = doc.m_nQuestionPitch;
    answer.answeredPitch = doc.m_nCurrentPitch;
    answer.right = right;
    answer.responseMs = int(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                                   doc.m_questionShownAt)
                                .count());
    answer.playing = playing;
    log->Record(answer);
}
