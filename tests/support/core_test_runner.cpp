// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_runner.h"

#include "framework/misuse.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class FailingMisuseHandler : public CMisuseHandler {
public:
    void OnMisuse(const CString& what) override { ADD_FAILURE() << "framework misuse: " << what.toStdString(); }
};
}

int RunTests(int argc, char** argv, const MakeApplication& makeApplication)
{
    // The practice history and the settings of the program under test, and
    // of every program a test starts, go to a folder of the test program's
    // own: never to the user's.
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    FailingMisuseHandler failOnMisuse;
    CServiceOverride<CMisuseHandler> installed(&failOnMisuse);
    return RUN_ALL_TESTS();
}

int RunCoreTestProgram(int argc, char** argv)
{
    return RunTests(argc, argv,
                    [](int& count, char** arguments) { return std::make_unique<QCoreApplication>(count, arguments); });
}
