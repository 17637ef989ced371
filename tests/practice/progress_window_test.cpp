// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window over a history fed to it: notes coloured at their
// places, the chart's days, the description on hover, Export and Reset.
#include "practice/practice_recorder.h"
#include "support/app_harness.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "support/scripted_file_dialog.h"
#include "views/practice/note_maps.h"
#include "views/practice/progress_window.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <set>

namespace {

const QDate kToday(2026, 3, 14);

PracticeAnswer Answer(PracticeSide side, int key, int asked, bool right, int ms, const QDate& day)
{
    PracticeAnswer answer;
    answer.answeredAt = QDateTime(day, QTime(10, 0)).toMSecsSinceEpoch();
    answer.key = key;
    answer.side = side;
    answer.askedPitch = asked;
    answer.answeredPitch = right ? asked : asked + 2;
    answer.right = right;
    answer.responseMs = ms;
    return answer;
}

// A2 always found on the fingerboard, E2 never; F3 found on the staff
// once in two; in G major F#3 on the staff, a week ago.
void Feed(const QString& path)
{
    CPracticeRecorder recorder(path, nullptr);
    for (int i = 0; i < 3; ++i) {
        recorder.Record(Answer(PracticeSide::Fingerboard, 1, 45, true, 1000 + i * 1000, kToday));
        recorder.Record(Answer(PracticeSide::Fingerboard, 1, 40, false, 5000, kToday.addDays(-1)));
    }
    recorder.Record(Answer(PracticeSide::Staff, 1, 53, true, 1500, kToday));
    recorder.Record(Answer(PracticeSide::Staff, 1, 53, false, 2500, kToday));
    recorder.Record(Answer(PracticeSide::Staff, 2, 54, true, 900, kToday.addDays(-7)));
}

// The colour of the note as the window shows it, below its name, on a
// screen of any pixel ratio.
QColor ColourAt(CNoteMap* map, int pitch)
{
    const QRectF rect = map->RectOf(pitch);
    EXPECT_FALSE(rect.isEmpty()) << pitch;
    const QImage image = map->grab().toImage();
    const QPointF below(rect.center().x(), rect.top() + 0.8 * rect.height());
    return image.pixelColor((below * image.devicePixelRatio()).toPoint());
}

class ProgressWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_path = m_folder.filePath(QStringLiteral("history.sqlite"));
        Feed(m_path);
        m_window = std::make_unique<CPracticeProgressWindow>(m_path, KeyC, nullptr);
        m_window->SetLastDay(kToday);
        m_window->Reload();
        m_window->show();
        CAppHarness::ProcessEvents();
    }

    CScratchFolder m_folder;
    QString m_path;
    CScriptedResponder m_responder;
    std::unique_ptr<CPracticeProgressWindow> m_window;
};

TEST_F(ProgressWindow, ColoursEachNoteAtItsPlaceByHowWellItIsKnown)
{
    struct Case {
        bool board;
        int pitch;
        int hue;  // -1: grey, not asked
    };
    // Green all right, red none, yellow half; C2 never asked.
    for (const Case& c : {Case{true, 45, 120}, Case{true, 40, 0}, Case{false, 53, 60}, Case{true, 36, -1},
                          Case{false, 36, -1}}) {
        CNoteMap* map = c.board ? static_cast<CNoteMap*>(m_window->FingerboardMap())
                                : static_cast<CNoteMap*>(m_window->StaffMap());
        const QColor colour = ColourAt(map, c.pitch);
        EXPECT_NEAR(colour.hsvHue(), c.hue, 2) << c.board << " " << c.pitch << " " << colour.name().toStdString();
    }
    EXPECT_EQ(m_window->SummaryText(), "8 answers, 50% right");
    EXPECT_EQ(m_window->FingerboardMap()->DescriptionOf(45),
              "A2, found on the fingerboard: 3 of 3 right (100%), median 2.0 s");
    EXPECT_EQ(m_window->StaffMap()->DescriptionOf(48), "C3, found on the staff: not asked yet");

    // Every key: G major's F#3 has a head of its own on the F row.
    m_window->ChooseKey(kAllKeys);
    EXPECT_NEAR(ColourAt(m_window->StaffMap(), 54).hsvHue(), 120, 2);
    EXPECT_EQ(m_window->SummaryText(), "9 answers, 56% right");
    m_window->Tabs()->setCurrentIndex(1);
}

TEST_F(ProgressWindow, ChartsTheAnswersOfEachOfTheLastFourWeeksDays)
{
    m_window->ChooseKey(kAllKeys);
    m_window->Tabs()->setCurrentIndex(1);
    const QList<QAbstractSeries*> series = m_window->Chart()->chart()->series();
    auto* bars = qobject_cast<QBarSeries*>(series.value(0));
    ASSERT_TRUE(bars);
    QBarSet* answers = bars->barSets().value(0);
    ASSERT_EQ(answers->count(), CPracticeProgressWindow::kChartDays);
    const int last = CPracticeProgressWindow::kChartDays - 1;
    EXPECT_EQ(answers->at(last), 5);
    EXPECT_EQ(answers->at(last - 1), 3);
    EXPECT_EQ(answers->at(last - 7), 1);
    EXPECT_EQ(answers->sum(), 9);
    // The chart is drawn: its bars are more than a blank page.
    const QImage picture = m_window->Chart()->grab().toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 4)
        for (int x = 0; x < picture.width(); x += 4)
            colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 10u);
}

TEST_F(ProgressWindow, ExportsTheHistoryAndResetsItAfterAQuestion)
{
    CScriptedFileDialog files;
    const QString csv = m_folder.filePath(QStringLiteral("teacher.csv"));
    files.Expect(csv);
    m_window->OnExport();
    EXPECT_EQ(QString::fromUtf8(ReadFileBytes(csv)).count(QLatin1Char('\n')), 10);

    m_responder.ExpectMessageBox(IDNO);
    m_window->OnResetHistory();
    EXPECT_EQ(m_window->SummaryText(), "8 answers, 50% right");
    m_responder.ExpectMessageBox(IDYES);
    m_window->OnResetHistory();
    EXPECT_EQ(m_window->SummaryText(), "No answers yet");
    EXPECT_EQ(ColourAt(m_window->FingerboardMap(), 45).hsvHue(), -1);
}

} // namespace
