// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as main() starts it, without its splash window, saying when
// its main window is first painted (CFirstPaintReport).
#include "app/quit_on_signals.h"
#include "app/voldrim_app.h"
#include "first_paint_report.h"
#include "framework/font_configuration.h"

#include <QApplication>

CVoldrimApp theApp;

int main(int argc, char** argv)
{
    const CFontConfigurationReader fontConfiguration;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Voldrim"));
    CFirstPaintReport report(CFirstPaintReport::StayAsked(argc, argv));
    CQuitOnSignals quitOnSignals;
    theApp.SetArguments({ QStringLiteral("/Embedding") });
    if (!theApp.InitInstance())
        return 1;
    return QApplication::exec();
}
