// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up picture over the main window: it goes after 4.5 seconds or
// at the first key or mouse button, which still reaches its target.
#include "framework/gdi_objects.h"
#include "framework/timer_set.h"

#include <QWidget>

class QEvent;

class CSplashWindow : public QWidget {
public:
    static void EnableSplashScreen(bool enable);
    static bool IsEnabled();
    static void ShowSplashScreen(QWidget* parent);
    static void PreTranslateAppMessage(QEvent* event);
    static CSplashWindow* Current();

    ~CSplashWindow() override;
    const CBitmap& Picture() const { return m_bitmap; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSplashWindow();
    bool Create(QWidget* parent);
    void HideSplashScreen();
    void PaintNow();

    CBitmap m_bitmap;
    CTimerSet m_timers;
};
