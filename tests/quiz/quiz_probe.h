// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Show Me in the running program: the clock fixed to a chosen second,
// answers clicked on either side, and the answer's message dialog
// answered with Yes or No.
#include "fingerboard/fboard_probe.h"
#include "framework/dialog.h"
#include "model/staff_position_table.h"
#include "quiz/question_clock.h"
#include "res/resource.h"
#include "staff/staff_entry_probe.h"

#include <algorithm>

namespace quizprobe {

// In C major, asking about both sides: at kSecond A (45) is asked on the
// staff, at kSecond + 2 F (53) on the staff, at kSecond + 7 middle C (60)
// on the fingerboard.
constexpr std::time_t kSecond = 1700000000;

class CFixedClock : public CQuestionClock {
public:
    explicit CFixedClock(std::time_t now) : m_now(now) {}
    std::time_t Now() const override { return m_now; }
    std::time_t m_now;

private:
    CServiceOverride<CQuestionClock> m_installed{this};
};

inline int WrittenColumns(const CVoldrimDoc* doc)
{
    return int(std::count_if(doc->m_columnList.begin(), doc->m_columnList.end(),
                             [](const CStaffColumn& column) { return column.IsWritten(); }));
}

// The message dialog as it showed, and the scores and the staff meanwhile.
struct Verdict {
    CString text;
    bool smiling = false;
    bool unhappy = false;
    int correct = -1;
    int incorrect = -1;
    int written = -1;
};

// Answers the next message dialog with IDOK (Yes) or IDCANCEL (No) once
// the views have painted, as under its modal loop; the clock moves on to
// `next` first, if given.
inline void ExpectVerdict(CAppHarness& app, int button, Verdict* seen, CFixedClock* clock = nullptr,
                          std::time_t next = 0)
{
    app.m_responder.ExpectDialog([&app, button, seen, clock, next](CDialog& dialog) {
        EXPECT_EQ(dialog.TemplateId(), IDD_SHOWME_MESSAGE);
        CAppHarness::ProcessEvents();
        const CVoldrimDoc* doc = app.Doc();
        *seen = {dialog.GetDlgItemText(IDC_SHOWME_MESSAGE), dialog.GetDlgItem(IDC_RIGHT_FACE)->isVisible(),
                 dialog.GetDlgItem(IDC_WRONG_FACE)->isVisible(), doc->m_nCorrect, doc->m_nIncorrect,
                 WrittenColumns(doc)};
        if (clock && next)
            clock->m_now = next;
        dialog.ClickButton(UINT(button));
        return button;
    });
}

inline void Settle(CAppHarness& app)
{
    CAppHarness::ProcessEvents();
    app.Fboard()->UpdateWindow();
    app.Staff()->UpdateWindow();
}

inline void PressShowMe(CAppHarness& app)
{
    QTest::mouseClick(&app.Fboard()->ShowMeButton(), Qt::LeftButton);
    Settle(app);
}

// Clicks the pitch's stop, or the row of the first staff column that
// writes the pitch in the key.
inline void Answer(CAppHarness& app, bool onBoard, int pitch)
{
    int row = 0;
    while (row < kStaffPositionsPerColumn && StaffPitchForKey(row, app.Doc()->m_nKey) != pitch)
        ++row;
    if (onBoard)
        fboard_probe::ClickStop(app.Fboard(), pitch);
    else
        staffentry::ClickRow(app.Staff(), 0, row);
    Settle(app);
}

// The pitch of the stop painted red; 0 for none.
inline int RedStop(CAppHarness& app)
{
    for (const auto& stop : app.Doc()->m_stopList)
        if (fboard_probe::FillOf(app.Fboard(), stop->GetRect()) == fboard_probe::kRed)
            return stop->GetPitch();
    return kNoPitch;
}

inline bool ShowMeButtonShown(CAppHarness& app)
{
    return !app.Fboard()->ShowMeButton().isHidden();
}

}  // namespace quizprobe
