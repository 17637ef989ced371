// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The anchors of the start-up, memory and idle benchmarks: an empty Qt main
// window of the program's size and, built with ANCHOR_WITH_FLUIDSYNTH, the
// same window that first opens FluidSynth as the program opens it (its
// sample rate, periods and samples read when used, the same soundfont and
// audio driver) and loads the soundfont before it shows.
#include "first_paint_report.h"

#include <QApplication>
#include <QMainWindow>

#ifdef ANCHOR_WITH_FLUIDSYNTH
#include "support/fluid_anchor.h"
#endif

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CFirstPaintReport report(CFirstPaintReport::StayAsked(argc, argv));
#ifdef ANCHOR_WITH_FLUIDSYNTH
    FluidAnchor::Open();
#endif
    QMainWindow window;
    window.resize(630, 470); // the program's main window
    window.show();
    return QApplication::exec();
}
