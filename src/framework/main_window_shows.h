// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Work that must wait for the main window to be on screen, such as telling
// the user of a problem found while the program was still starting.
#include <functional>

// Runs call on the user-interface thread, from its event loop, once the
// application's main window shows: soon if it is showing now, else when it
// first shows. Nothing runs without an application.
void AfxCallWhenMainWindowShows(std::function<void()> call);
// Runs call on the user-interface thread, from its event loop, once the
// application's main window has been painted for the first time, so that
// work the window does not need keeps it from the screen no longer: soon
// if it has been, else right after that painting. In case it never is
// (a window kept off the screen), it runs after kLatestAfterPaintMs all
// the same. Nothing runs without an application.
void AfxCallWhenMainWindowPainted(std::function<void()> call);
constexpr int kLatestAfterPaintMs = 2000;
