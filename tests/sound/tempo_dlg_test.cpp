// The Set Tempo dialog driven as a user drives it: the bar's arrows,
// page clicks and thumb, the labels, the metronome, OK and Cancel.
#include "res/resource.h"
#include "sound/dialogs/tempo_dlg.h"
#include "support/scripted_responder.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <functional>
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

void Press(CTempoDlg& dialog, QAbstractSlider::SliderAction action, int times = 1)
{
    for (int i = 0; i < times; ++i)
        Bar(dialog)->triggerAction(action);
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

TEST(TempoDialog, OpensAtTheTempoGivenAndStepsDownOneLine)
{
    CTempoDlg dialog;
    const int result = RunAt(dialog, 600, [](CTempoDlg& d) {
        ASSERT_NE(Bar(d), nullptr);
        EXPECT_EQ(Bar(d)->minimum(), 0);
        EXPECT_EQ(Bar(d)->maximum(), 19);
        EXPECT_EQ(Bar(d)->value(), 9);
        EXPECT_EQ(Name(d), "Allegro");
        EXPECT_EQ(Speed(d), "100");

        Press(d, QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(Bar(d)->value(), 10);
        EXPECT_EQ(d.m_nTempo, 625);
        EXPECT_EQ(Name(d), "Moderato");
        EXPECT_EQ(d.m_strTempoName, "Moderato");
        EXPECT_EQ(Speed(d), "96");
        d.ClickButton(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_nTempo, 625);
}

TEST(TempoDialog, TheBarStopsAtBothEnds)
{
    CTempoDlg fastest;
    RunAt(fastest, 288, [](CTempoDlg& d) {
        Press(d, QAbstractSlider::SliderSingleStepSub, 3);
        Press(d, QAbstractSlider::SliderPageStepSub, 2);
        EXPECT_EQ(Bar(d)->value(), 0);
        EXPECT_EQ(d.m_nTempo, 272);
        EXPECT_EQ(Name(d), "Prestissimo");
        EXPECT_EQ(Speed(d), "220");
        d.ClickButton(IDOK);
    });
    EXPECT_EQ(fastest.m_nTempo, 272);

    CTempoDlg slowest;
    RunAt(slowest, 1500, [](CTempoDlg& d) {
        Press(d, QAbstractSlider::SliderPageStepAdd, 2);
        Press(d, QAbstractSlider::SliderSingleStepAdd, 3);
        EXPECT_EQ(Bar(d)->value(), 19);
        EXPECT_EQ(d.m_nTempo, 2000);
        EXPECT_EQ(Name(d), "Adagio");
        EXPECT_EQ(Speed(d), "30");
        d.ClickButton(IDOK);
    });
    EXPECT_EQ(slowest.m_nTempo, 2000);
}

TEST(TempoDialog, ATempoThatIsNoStepKeepsItsNameAndSurvivesCancelButNotOk)
{
    CTempoDlg cancelled;
    const int result = RunAt(cancelled, 650, [](CTempoDlg& d) {
        EXPECT_EQ(Name(d), "Moderato");
        EXPECT_EQ(Speed(d), "30");
        EXPECT_EQ(Bar(d)->value(), 19);
        d.ClickButton(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(cancelled.m_nTempo, 650);

    CTempoDlg confirmed;
    RunAt(confirmed, 650, [](CTempoDlg& d) { d.ClickButton(IDOK); });
    EXPECT_EQ(confirmed.m_nTempo, 2000);
}

TEST(TempoDialog, CancelAfterScrollingKeepsTheTempoLastShown)
{
    CTempoDlg dialog;
    const int result = RunAt(dialog, 600, [](CTempoDlg& d) {
        Press(d, QAbstractSlider::SliderPageStepSub, 2);
        EXPECT_EQ(Name(d), "Allegro");
        EXPECT_EQ(Speed(d), "112");
        d.ClickButton(IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_nTempo, 535);
}

TEST(TempoDialog, DraggingTheThumbChangesNothingUntilItIsLetGo)
{
    CTempoDlg dialog;
    RunAt(dialog, 600, [](CTempoDlg& d) {
        QScrollBar* bar = Bar(d);
        bar->setSliderDown(true);
        bar->setSliderPosition(3);
        EXPECT_EQ(d.m_nTempo, 600);
        EXPECT_EQ(Name(d), "Allegro");
        EXPECT_EQ(Speed(d), "100");

        bar->setSliderDown(false);
        EXPECT_EQ(bar->value(), 3);
        EXPECT_EQ(d.m_nTempo, 340);
        EXPECT_EQ(Name(d), "Presto");
        EXPECT_EQ(Speed(d), "176");
        d.ClickButton(IDOK);
    });
    EXPECT_EQ(dialog.m_nTempo, 340);
}

TEST(TempoDialog, TheWheelStepsLikeTheArrowsAndTheLabelsFollow)
{
    const auto turn = [](QScrollBar* bar, int delta) {
        const QPointF at(bar->width() / 2.0, bar->height() / 2.0);
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
    };
    CTempoDlg dialog;
    RunAt(dialog, 600, [&turn](CTempoDlg& d) {
        turn(Bar(d), 120);
        EXPECT_EQ(Bar(d)->value(), 8);
        EXPECT_EQ(d.m_nTempo, 576);
        EXPECT_EQ(Speed(d), "104");
        turn(Bar(d), -120);
        turn(Bar(d), -120);
        EXPECT_EQ(Bar(d)->value(), 10);
        EXPECT_EQ(Name(d), "Moderato");
        d.ClickButton(IDCANCEL);
    });
    EXPECT_EQ(dialog.m_nTempo, 625);
}

TEST(TempoDialog, JumpsToTheEndsOfTheBarAreIgnored)
{
    CTempoDlg dialog;
    RunAt(dialog, 600, [](CTempoDlg& d) {
        Press(d, QAbstractSlider::SliderToMinimum);
        Press(d, QAbstractSlider::SliderToMaximum);
        EXPECT_EQ(Bar(d)->value(), 9);
        EXPECT_EQ(d.m_nTempo, 600);
        EXPECT_EQ(Speed(d), "100");
        d.ClickButton(IDCANCEL);
    });

    // Even an ignored jump takes the step shown as the tempo.
    CTempoDlg offStep;
    RunAt(offStep, 650, [](CTempoDlg& d) {
        Press(d, QAbstractSlider::SliderToMinimum);
        EXPECT_EQ(Bar(d)->value(), 19);
        EXPECT_EQ(Name(d), "Adagio");
        d.ClickButton(IDCANCEL);
    });
    EXPECT_EQ(offStep.m_nTempo, 2000);
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
