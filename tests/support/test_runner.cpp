// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_runner.h"

#include "framework/misuse.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
class FailingMisuseHandler : public CMisuseHandler {
public:
    void OnMisuse(const CString& what) override { ADD_FAILURE() << "framework misuse: " << what.toStdString(); }
};
}

int RunTestProgram(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    FailingMisuseHandler failOnMisuse;
    CServiceOverride<CMisuseHandler> installed(&failOnMisuse);
    return RUN_ALL_TESTS();
}
