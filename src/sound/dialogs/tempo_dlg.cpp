// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/dialogs/tempo_dlg.h"

#include "framework/message_box.h"
#include "res/resource.h"
#include "sound/tempo_table.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace {

constexpr UINT_PTR kMetronomeTimer = 3;
constexpr UINT kMetronomeSwingMs = 500;

}

CTempoDlg::CTempoDlg(QWidget* parent) : CDialog(IDD_TEMPO, parent) {}

QScrollBar* CTempoDlg::TempoBar() const
{
    return GetDlgItemAs<QScrollBar>(IDC_TEMPO_SCROLL);
}

CString CTempoDlg::GetSpeed(int position)
{
    if (position > kSlowestTempoPosition) {
        AfxMessageBox(QStringLiteral("Array Exceeded in Get Speed"));
        position = kSlowestTempoPosition;
    }
    return QString::number(uint(TempoBpmAt(position)));
}

void CTempoDlg::ShowName()
{
    m_strTempoName = GetTempoName(m_nTempo);
    SetDlgItemText(IDC_TEMPO_NAME, m_strTempoName);
}

BOOL CTempoDlg::OnInitDialog()
{
    QScrollBar* bar = TempoBar();
    if (bar) {
        bar->setRange(0, kSlowestTempoPosition);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        // Dragging the thumb moves only the thumb; the step is taken when
        // it is let go.
        bar->setTracking(false);
        bar->installEventFilter(this);
    }
    SetTimer(kMetronomeTimer, kMetronomeSwingMs);

    // A tempo that is no step (from a melody file) keeps its own name,
    // while bar and speed show the slowest step.
    ShowName();
    const int position = TempoPositionOf(m_nTempo);
    SetDlgItemText(IDC_TEMPO_BPM, GetSpeed(position));
    if (bar)
        bar->setValue(position);

    m_bPendulumRight = 1;
    CenterWindow();
    return CDialog::OnInitDialog();
}

void CTempoDlg::OnVScroll(UINT code, UINT pos, QScrollBar* bar)
{
    if (!bar || bar != TempoBar())
        return;
    int position = bar->value();
    switch (code) {
    case SB_LINEUP:
    case SB_PAGEUP:
        position = std::max(position - 1, 0);
        bar->setValue(position);
        break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        position = std::min(position + 1, kSlowestTempoPosition);
        bar->setValue(position);
        break;
    case SB_THUMBPOSITION:
        // The labels catch up with the end-of-scroll that follows.
        bar->setValue(int(pos));
        break;
    default:
        break;
    }
    m_nTempo = TempoMsAt(position);
    ShowName();
    SetDlgItemText(IDC_TEMPO_BPM, GetSpeed(position));
}

void CTempoDlg::OnTimer(UINT_PTR id)
{
    if (id != kMetronomeTimer)
        return;
    // The metronome swings every half second at any tempo; it only shows
    // that the dialog is about tempo.
    ShowDlgItem(IDC_METRONOME_RIGHT, m_bPendulumRight == 0);
    ShowDlgItem(IDC_METRONOME_LEFT, m_bPendulumRight == 1);
    m_bPendulumRight = m_bPendulumRight ? 0 : 1;
}

void CTempoDlg::OnOK()
{
    KillTimer(kMetronomeTimer);
    int position = TempoBar() ? TempoBar()->value() : kSlowestTempoPosition;
    if (position > kSlowestTempoPosition) {
        AfxMessageBox(QStringLiteral("Tempo Array Exceeded"));
        position = kSlowestTempoPosition;
    }
    m_nTempo = TempoMsAt(position);
    CDialog::OnOK();
}

bool CTempoDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel steps the bar like its arrows, so that name, speed and
    // tempo follow it; left alone it would move the thumb behind their back.
    if (event->type() == QEvent::Wheel && watched == TempoBar()) {
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (delta != 0)
            TempoBar()->triggerAction(delta > 0 ? QAbstractSlider::SliderSingleStepSub
                                                : QAbstractSlider::SliderSingleStepAdd);
        return true;
    }
    return CDialog::eventFilter(watched, event);
}
