// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the framework's tests: no program resources.
#include "support/test_runner.h"

int main(int argc, char** argv)
{
    return RunTestProgram(argc, argv);
}
