// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the tests of the layers below the windows: no GUI.
#include "support/test_runner.h"

int main(int argc, char** argv)
{
    return RunCoreTestProgram(argc, argv);
}
