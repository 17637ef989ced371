// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_runner.h"

#include <QApplication>

int RunTestProgram(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return RunTests(argc, argv,
                    [](int& count, char** arguments) { return std::make_unique<QApplication>(count, arguments); });
}
