// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_runner.h"

#include "framework/misuse.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class FailingMisuseHandler : public CMisuseHandler {
public:
    void OnMisuse(const CString& what) override { ADD_FAILURE() << "framework misuse: " << what.toStdString(); }
};
}

int RunTestProgram(int argc, char** argv)
{
    // The practice history and the settings of the program under test, and
    // of every program a test starts, go to a folder of the test program's
    // own: never to the user's.
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    FailingMisuseHandler failOnMisuse;
    CServiceOverride<CMisuseHandler> installed(&failOnMisuse);
    return RUN_ALL_TESTS();
}
