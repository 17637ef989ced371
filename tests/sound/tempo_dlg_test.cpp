// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Set Tempo dialog driven as a user drives it: the bar's arrows,
// page clicks and thumb, the labels, the metronome, OK and Cancel.
#include "res/resource.h"
#include "sound/dialogs/tempo_dlg.h"
#include "support/scripted_responder.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QScrollBar>
#include <QWheelEvent>
#include <functional>
#include <vector>
#include <gtest/gtest.h>

namespace {

QScrollBar* Bar(CTempoDlg& dialog)
{
    return dialog.GetDlgItemAs<QScrollBar>(IDC_TEMPO_SCROLL);
}

QString Name(CTempoDlg& dialog)
{
    return dialog.GetDlgItemText(IDC_TEMPO_NAME);
}

QString Speed(CTempoDlg& dialog)
{
    return dialog.GetDlgItemText(IDC_TEMPO_BPM);
}

// Opens the dialog at a tempo and lets drive act on it while it is up;
// drive ends it with a button. Returns DoModal's result.
int RunAt(CTempoDlg& dialog, int tempo, const std::function<void(CTempoDlg&)>& drive)
{
    CScriptedResponder responder;
    dialog.m_nTempo = tempo;
    responder.ExpectDialog([&](CDialog& shown) {
        drive(static_cast<CTempoDlg&>(shown));
        return IDCANCEL;
    });
    return dialog.DoModal();
}

// What a user does to the tempo bar.
using BarStep = std::function<void(QScrollBar&)>;

BarStep Press(QAbstractSlider::SliderAction action, int times = 1)
{
    return [action, times](QScrollBar& bar) {
        for (int i = 0; i < times; ++i)
            bar.triggerAction(action);
    };
}

// A notch of the mouse wheel: up (positive) or down.
BarStep Turn(int delta)
{
    return [delta](QScrollBar& bar) {
        const QPointF at(bar.width() / 2.0, bar.height() / 2.0);
        QWheelEvent wheel(at, bar.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&bar, &wheel);
    };
}

BarStep DragThumbTo(int position)
{
    return [position](QScrollBar& bar) {
        bar.setSliderDown(true);
        bar.setSliderPosition(position);
    };
}

BarStep LetGoOfTheThumb()
{
    return [](QScrollBar& bar) { bar.setSliderDown(false); };
}

// An entry of the bar's own menu, opened at a point of the bar (y from its
// top, as a share of its length).
BarStep ChooseFromItsMenu(const char* entry, double at)
{
    return [entry, at](QScrollBar& bar) {
        QTimer::singleShot(0, [entry] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr) << "no menu";
            for (QAction* action : menu->actions()) {
                if (action->text().compare(entry, Qt::CaseInsensitive) == 0)
                    menu->setActiveAction(action);
            }
            ASSERT_NE(menu->activeAction(), nullptr) << entry;
            QTest::keyClick(menu, Qt::Key_Return);
        });
        const QPoint point(bar.width() / 2, int(bar.height() * at));
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, bar.mapToGlobal(point));
        QApplication::sendEvent(&bar, &event);
    };
}

TEST(TempoDialog, TheBarTheLabelsAndTheTempoFollowWhatTheUserDoes)
{
    using Action = QAbstractSlider::SliderAction;
    const Action lineDown = QAbstractSlider::SliderSingleStepAdd;
    const Action lineUp = QAbstractSlider::SliderSingleStepSub;
    const Action pageDown = QAbstractSlider::SliderPageStepAdd;
    const Action pageUp = QAbstractSlider::SliderPageStepSub;
    // After the steps the bar, the tempo, its name and its speed are shown;
    // the button ends the dialog and leaves its tempo.
    const struct {
        const char* what;
        int tempo;
        std::vector<BarStep> steps;
        int position;
        int shownTempo;
        const char* name;
        const char* speed;
        UINT button;
        int tempoAfter;
    } cases[] = {
        {"opens at the tempo given", 600, {}, 9, 600, "Allegro", "100", IDCANCEL, 600},
        {"one line down", 600, {Press(lineDown)}, 10, 625, "Moderato", "96", IDOK, 625},
        {"the bar stops at the fast end", 288, {Press(lineUp, 3), Press(pageUp, 2)}, 0, 272, "Prestissimo", "220",
         IDOK, 272},
        {"the bar stops at the slow end", 1500, {Press(pageDown, 2), Press(lineDown, 3)}, 19, 2000, "Adagio", "30",
         IDOK, 2000},
        // A tempo that is no step keeps its name and survives Cancel, but not OK.
        {"a tempo that is no step, cancelled", 650, {}, 19, 650, "Moderato", "30", IDCANCEL, 650},
        {"a tempo that is no step, confirmed", 650, {}, 19, 650, "Moderato", "30", IDOK, 2000},
        {"cancel after scrolling keeps the tempo last shown", 600, {Press(pageUp, 2)}, 7, 535, "Allegro", "112",
         IDCANCEL, 535},
        {"dragging the thumb changes nothing", 600, {DragThumbTo(3)}, 9, 600, "Allegro", "100", IDCANCEL, 600},
        {"until it is let go", 600, {DragThumbTo(3), LetGoOfTheThumb()}, 3, 340, "Presto", "176", IDOK, 340},
        {"the wheel steps like the arrows", 600, {Turn(120)}, 8, 576, "Allegro", "104", IDCANCEL, 576},
        {"and the labels follow", 600, {Turn(120), Turn(-120), Turn(-120)}, 10, 625, "Moderato", "96", IDCANCEL,
         625},
        {"jumps to the ends of the bar are ignored", 600,
         {Press(QAbstractSlider::SliderToMinimum), Press(QAbstractSlider::SliderToMaximum)}, 9, 600, "Allegro", "100",
         IDCANCEL, 600},
        {"even an ignored jump takes the step shown as the tempo", 650, {Press(QAbstractSlider::SliderToMinimum)}, 19,
         2000, "Adagio", "30", IDCANCEL, 2000},
        // The bar's own menu moves it as its arrows and thumb do.
        {"scroll here", 600, {ChooseFromItsMenu("Scroll here", 0.15)}, 0, 272, "Prestissimo", "220", IDCANCEL, 272},
        {"top and bottom are ignored", 600, {ChooseFromItsMenu("Top", 0.5), ChooseFromItsMenu("Bottom", 0.5)}, 9,
         600, "Allegro", "100", IDCANCEL, 600},
        {"page and line steps", 600,
         {ChooseFromItsMenu("Page down", 0.5), ChooseFromItsMenu("Page down", 0.5), ChooseFromItsMenu("Scroll up", 0.5)},
         10, 625, "Moderato", "96", IDCANCEL, 625},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CTempoDlg dialog;
        const int result = RunAt(dialog, c.tempo, [&c](CTempoDlg& d) {
            ASSERT_NE(Bar(d), nullptr);
            EXPECT_EQ(Bar(d)->minimum(), 0);
            EXPECT_EQ(Bar(d)->maximum(), 19);
            for (const BarStep& step : c.steps)
                step(*Bar(d));
            EXPECT_EQ(Bar(d)->value(), c.position);
            EXPECT_EQ(d.m_nTempo, c.shownTempo);
            EXPECT_EQ(Name(d), c.name);
            EXPECT_EQ(d.m_strTempoName, c.name);
            EXPECT_EQ(Speed(d), c.speed);
            d.ClickButton(c.button);
        });
        EXPECT_EQ(result, int(c.button));
        EXPECT_EQ(dialog.m_nTempo, c.tempoAfter);
    }
}

TEST(TempoDialog, TheMetronomeSwingsEveryHalfSecondUntilOk)
{
    CTempoDlg dialog;
    RunAt(dialog, 272, [](CTempoDlg& d) {
        QWidget* right = d.GetDlgItem(IDC_METRONOME_RIGHT);
        QWidget* left = d.GetDlgItem(IDC_METRONOME_LEFT);
        ASSERT_TRUE(right && left);
        EXPECT_EQ(right->geometry(), left->geometry());
        EXPECT_TRUE(right->isVisible());
        EXPECT_FALSE(left->isVisible());
        EXPECT_EQ(d.m_bPendulumRight, 1);
        EXPECT_TRUE(d.Timers().IsRunning(3));
        EXPECT_EQ(d.Timers().IntervalOf(3), 500);

        d.Timers().Fire(3);
        EXPECT_FALSE(right->isVisible());
        EXPECT_TRUE(left->isVisible());
        EXPECT_EQ(d.m_bPendulumRight, 0);
        d.Timers().Fire(3);
        EXPECT_TRUE(right->isVisible());
        EXPECT_FALSE(left->isVisible());
        EXPECT_EQ(d.m_bPendulumRight, 1);

        d.ClickButton(IDOK);
        EXPECT_FALSE(d.Timers().IsRunning(3));
    });
}

TEST(TempoDialog, ASpeedPastTheSlowestStepIsReportedAndShownAsTheSlowest)
{
    CScriptedResponder responder;
    CTempoDlg dialog;
    responder.ExpectMessageBox();
    EXPECT_EQ(dialog.GetSpeed(20), "30");
    ASSERT_EQ(responder.Texts().size(), 1u);
    EXPECT_EQ(responder.Texts()[0], "Array Exceeded in Get Speed");
    EXPECT_EQ(dialog.GetSpeed(19), "30");
    EXPECT_EQ(dialog.GetSpeed(0), "220");
}

}
