// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/practice/progress_window.h"

#include "framework/file_dialog.h"
#include "framework/message_box.h"
#include "model/key.h"
#include "quiz/practice_csv.h"
#include "quiz/practice_log.h"
#include "views/practice/note_maps.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScatterSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QValueAxis>
#include <QVBoxLayout>

namespace {

// The main window's size at start-up, at which the window must read well.
constexpr int kStartWidth = 630;
constexpr int kStartHeight = 470;
constexpr int kPercent = 100;
constexpr qreal kAccuracyMarkerSize = 9;
constexpr int kUprightDegrees = -90;
constexpr qreal kDayLabelScale = 0.85;
const QString kDayLabel = QStringLiteral("d MMM");
const Key kKeys[] = {KeyC, KeyG, KeyD, KeyF, KeyBb};
const QString kLegend = QStringLiteral(
    "Red: the note's answers were wrong; green: right; grey: not asked yet. Rest the pointer on a note to see "
    "its answers and median response time.");

QGroupBox* Framed(const QString& title, QWidget* content)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

QString Percent(int part, int whole)
{
    return QString::number(whole == 0 ? 0 : qRound(double(kPercent) * part / whole)) + QLatin1Char('%');
}

} // namespace

CPracticeProgressWindow::CPracticeProgressWindow(const QString& historyPath, int currentKey, QWidget* parent)
    : QDialog(parent), m_strHistoryPath(historyPath), m_lastDay(QDate::currentDate())
{
    setWindowTitle(QStringLiteral("Practice Progress"));
    setWindowModality(Qt::ApplicationModal);
    resize(kStartWidth, kStartHeight);

    m_pKeys = new QComboBox;
    m_pKeys->addItem(QStringLiteral("All Keys"), kAllKeys);
    for (Key key : kKeys)
        m_pKeys->addItem(KeyName(key) + QStringLiteral(" Major"), int(key));
    auto* keyLabel = new QLabel(QStringLiteral("&Key:"));
    keyLabel->setBuddy(m_pKeys);
    m_pSummary = new QLabel;
    auto* top = new QHBoxLayout;
    top->addWidget(keyLabel);
    top->addWidget(m_pKeys);
    top->addStretch();
    top->addWidget(m_pSummary);

    m_pTabs = new QTabWidget;
    m_pTabs->addTab(MakeNotesPage(), QStringLiteral("&Notes"));
    m_pChart = new QChartView;
    m_pChart->setRenderHint(QPainter::Antialiasing);
    m_pTabs->addTab(m_pChart, QStringLiteral("&Days"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* exportButton = buttons->addButton(QStringLiteral("&Export..."), QDialogButtonBox::ActionRole);
    QPushButton* resetButton = buttons->addButton(QStringLiteral("&Reset History..."), QDialogButtonBox::ResetRole);
    connect(exportButton, &QPushButton::clicked, this, [this] { OnExport(); });
    connect(resetButton, &QPushButton::clicked, this, [this] { OnResetHistory(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pTabs, 1);
    layout->addWidget(buttons);

    ChooseKey(currentKey);
    connect(m_pKeys, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { Reload(); });
}

QWidget* CPracticeProgressWindow::MakeNotesPage()
{
    m_pBoard = new CFingerboardMap(nullptr);
    m_pStaff = new CStaffMap(nullptr);
    auto* page = new QWidget;
    auto* maps = new QHBoxLayout;
    maps->addWidget(Framed(QStringLiteral("Found on the fingerboard"), m_pBoard), 1);
    maps->addWidget(Framed(QStringLiteral("Found on the staff"), m_pStaff), 1);
    auto* legend = new QLabel(kLegend);
    legend->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(maps, 1);
    layout->addWidget(legend);
    return page;
}

int CPracticeProgressWindow::ChosenKey() const
{
    return m_pKeys->currentData().toInt();
}

void CPracticeProgressWindow::ChooseKey(int key)
{
    const int index = m_pKeys->findData(key);
    // The chromatic key asks no questions: every key is shown instead.
    m_pKeys->setCurrentIndex(index < 0 ? 0 : index);
    Reload();
}

const QString& CPracticeProgressWindow::SummaryText() const
{
    return m_strSummary;
}

void CPracticeProgressWindow::Reload()
{
    // The answers still on their way to the file are shown too.
    if (CPracticeLog* log = AfxGetPracticeLog())
        log->Flush();
    CPracticeReader reader(m_strHistoryPath);
    const int key = ChosenKey();
    const std::vector<NoteStanding> standings = reader.NoteStandings(key);
    m_pBoard->Show(standings, PracticeSide::Fingerboard, key);
    m_pStaff->Show(standings, PracticeSide::Staff, key);
    int answers = 0;
    int right = 0;
    for (const NoteStanding& standing : standings) {
        answers += standing.answers;
        right += standing.right;
    }
    m_strSummary = answers == 0 ? QStringLiteral("No answers yet")
                                : QStringLiteral("%1 answers, %2 right").arg(answers).arg(Percent(right, answers));
    m_pSummary->setText(m_strSummary);
    ShowDays(reader);
    if (reader.Trouble() != PracticeTrouble::None)
        SayUnreadable(reader);
}

void CPracticeProgressWindow::ShowDays(CPracticeReader& reader)
{
    const QDate first = m_lastDay.addDays(1 - kChartDays);
    const std::vector<DayTally> tallies = reader.DayTallies(first, m_lastDay, ChosenKey());
    auto* answers = new QBarSet(QStringLiteral("Answers"));
    // A point for each day with answers: a line would cross the days
    // without any.
    auto* accuracy = new QScatterSeries;
    accuracy->setName(QStringLiteral("Right (%)"));
    accuracy->setMarkerSize(kAccuracyMarkerSize);
    QStringList days;
    int most = 0;
    for (int i = 0; i < kChartDays; ++i) {
        const QDate day = first.addDays(i);
        days << day.toString(kDayLabel);
        const auto tally = std::find_if(tallies.begin(), tallies.end(),
                                        [&day](const DayTally& each) { return each.day == day; });
        const int count = tally == tallies.end() ? 0 : tally->answers;
        *answers << count;
        most = std::max(most, count);
        if (count > 0)
            accuracy->append(i, double(kPercent) * tally->right / count);
    }
    auto* bars = new QBarSeries;
    bars->append(answers);

    auto* chart = new QChart;
    chart->addSeries(bars);
    chart->addSeries(accuracy);
    auto* dayAxis = new QBarCategoryAxis;
    dayAxis->append(days);
    // Upright, the names of four weeks of days fit side by side.
    dayAxis->setLabelsAngle(kUprightDegrees);
    dayAxis->setTruncateLabels(false);
    QFont small = dayAxis->labelsFont();
    small.setPointSizeF(small.pointSizeF() * kDayLabelScale);
    dayAxis->setLabelsFont(small);
    auto* countAxis = new QValueAxis;
    countAxis->setRange(0, std::max(most, 1));
    countAxis->applyNiceNumbers();
    countAxis->setLabelFormat(QStringLiteral("%d"));
    countAxis->setTitleText(QStringLiteral("Answers"));
    auto* percentAxis = new QValueAxis;
    percentAxis->setRange(0, kPercent);
    percentAxis->setLabelFormat(QStringLiteral("%d%%"));
    percentAxis->setTitleText(QStringLiteral("Right"));
    chart->addAxis(dayAxis, Qt::AlignBottom);
    chart->addAxis(countAxis, Qt::AlignLeft);
    chart->addAxis(percentAxis, Qt::AlignRight);
    bars->attachAxis(dayAxis);
    bars->attachAxis(countAxis);
    accuracy->attachAxis(dayAxis);
    accuracy->attachAxis(percentAxis);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart* old = m_pChart->chart();
    m_pChart->setChart(chart);
    // A chart view owns the chart it was given only while it shows it.
    if (old && old != chart)
        delete old;
}

void CPracticeProgressWindow::SayUnreadable(const CPracticeReader& reader)
{
    if (m_bSaidUnreadable)
        return;
    m_bSaidUnreadable = true;
    AfxMessageBox(QStringLiteral("Voldrim cannot read your practice history %1: %2")
                      .arg(QDir::toNativeSeparators(m_strHistoryPath), reader.ErrorText()));
}

void CPracticeProgressWindow::OnExport()
{
    CFileDialogRequest request;
    request.m_bOpen = false;
    request.m_strFileName = QStringLiteral("Practice history.csv");
    request.m_strFilter = QStringLiteral("CSV Files (*.csv)");
    request.m_strDefExt = QStringLiteral("csv");
    const CString path = AfxGetFileDialogService()->ChooseFile(request, this);
    if (path.isEmpty())
        return;
    if (const CString failure = ExportPracticeHistory(m_strHistoryPath, path); !failure.isEmpty())
        AfxMessageBox(failure);
}

void CPracticeProgressWindow::OnResetHistory()
{
    const int answer = AfxMessageBox(QStringLiteral("Delete every answer of your practice history?  Your progress "
                                                    "starts again from nothing, and this cannot be undone."),
                                     MB_YESNO | MB_ICONEXCLAMATION);
    if (answer != IDYES)
        return;
    if (CPracticeLog* log = AfxGetPracticeLog())
        log->ResetHistory();
    else if (CPracticeReader reader(m_strHistoryPath); !reader.Clear())
        SayUnreadable(reader);
    Reload();
}
