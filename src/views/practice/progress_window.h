// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Display, "Practice Progress...": how well each note is known, on the
// fingerboard and on the staff, for the current key or every key; a chart
// of the answers and their accuracy on each of the last four weeks' days;
// "Export..." of the history as CSV, and "Reset History..." after a
// question. It is modal: no answer is given while it shows.
#include "practice/practice_reader.h"

#include <QDate>
#include <QDialog>

class CFingerboardMap;
class CStaffMap;
class QComboBox;
class QLabel;
class QTabWidget;

class QChartView;

class CPracticeProgressWindow : public QDialog {
public:
    // The days the chart shows, today the last.
    static constexpr int kChartDays = 28;

    CPracticeProgressWindow(const QString& historyPath, int currentKey, QWidget* parent);

    // Reads the history again for the key chosen.
    void Reload();
    int ChosenKey() const;
    void ChooseKey(int key);

    CFingerboardMap* FingerboardMap() const { return m_pBoard; }
    CStaffMap* StaffMap() const { return m_pStaff; }
    QChartView* Chart() const { return m_pChart; }
    QTabWidget* Tabs() const { return m_pTabs; }
    const QString& SummaryText() const;
    // The day the chart ends on; today unless a test says otherwise.
    void SetLastDay(const QDate& day) { m_lastDay = day; }

    void OnExport();
    void OnResetHistory();

private:
    QWidget* MakeNotesPage();
    void ShowDays(CPracticeReader& reader);
    // Says once that the history cannot be read.
    void SayUnreadable(const CPracticeReader& reader);

    QString m_strHistoryPath;
    QDate m_lastDay;
    QComboBox* m_pKeys = nullptr;
    QLabel* m_pSummary = nullptr;
    QTabWidget* m_pTabs = nullptr;
    CFingerboardMap* m_pBoard = nullptr;
    CStaffMap* m_pStaff = nullptr;
    QChartView* m_pChart = nullptr;
    QString m_strSummary;
    bool m_bSaidUnreadable = false;
};
