// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the program's tests: its resources registered, as at start-up.
#include "res/program_resources.h"
#include "support/test_runner.h"

int main(int argc, char** argv)
{
    RegisterProgramResources();
    return RunTestProgram(argc, argv);
}
