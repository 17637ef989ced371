// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window timers by id: SetTimer replaces a running timer of the same id;
// each expiry is delivered to the owner's handler until KillTimer.
#include "framework/types.h"

#include <QObject>
#include <functional>
#include <map>

class QTimer;

class CTimerSet {
public:
    explicit CTimerSet(QObject* owner, std::function<void(UINT_PTR)> onTimer);
    ~CTimerSet();
    CTimerSet(const CTimerSet&) = delete;
    CTimerSet& operator=(const CTimerSet&) = delete;

    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs);
    BOOL KillTimer(UINT_PTR id);
    bool IsRunning(UINT_PTR id) const;
    int IntervalOf(UINT_PTR id) const;
    // Delivers one expiry at once, as the timer would (for tests and benchmarks).
    void Fire(UINT_PTR id);

private:
    QObject* m_owner;
    std::function<void(UINT_PTR)> m_onTimer;
    std::map<UINT_PTR, QTimer*> m_timers;
};
