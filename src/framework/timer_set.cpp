// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/timer_set.h"

#include <QTimer>

CTimerSet::CTimerSet(QObject* owner, std::function<void(UINT_PTR)> onTimer)
    : m_owner(owner), m_onTimer(std::move(onTimer))
{
}

CTimerSet::~CTimerSet()
{
    for (auto& entry : m_timers)
        delete entry.second;
}

UINT_PTR CTimerSet::SetTimer(UINT_PTR id, UINT elapseMs)
{
    QTimer*& timer = m_timers[id];
    if (!timer) {
        timer = new QTimer(m_owner);
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, m_owner, [this, id] { Fire(id); });
    }
    timer->start(int(elapseMs));
    return id;
}

BOOL CTimerSet::KillTimer(UINT_PTR id)
{
    auto it = m_timers.find(id);
    if (it == m_timers.end() || !it->second->isActive())
        return FALSE;
    it->second->stop();
    return TRUE;
}

bool CTimerSet::IsRunning(UINT_PTR id) const
{
    auto it = m_timers.find(id);
    return it != m_timers.end() && it->second->isActive();
}

int CTimerSet::IntervalOf(UINT_PTR id) const
{
    auto it = m_timers.find(id);
    return it == m_timers.end() ? -1 : it->second->interval();
}

void CTimerSet::Fire(UINT_PTR id)
{
    if (m_onTimer)
        m_onTimer(id);
}
