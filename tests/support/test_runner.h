// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs every test of a test program inside one QApplication on Qt's
// offscreen platform, unless the environment asks for another, with data
// and settings folders of its own. A programming error the framework
// reports fails the test that made it.
int RunTestProgram(int argc, char** argv);
