// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs every test of a test program inside one application object, with
// data and settings folders of its own. A programming error the framework
// reports fails the test that made it.
#include <QCoreApplication>

#include <functional>
#include <memory>

using MakeApplication = std::function<std::unique_ptr<QCoreApplication>(int& argc, char** argv)>;
int RunTests(int argc, char** argv, const MakeApplication& makeApplication);

// Inside a QApplication on Qt's offscreen platform, unless the environment
// asks for another (test_runner.cpp).
int RunTestProgram(int argc, char** argv);
// Inside a QCoreApplication, for the layers below the windows: their tests
// load no GUI library at all.
int RunCoreTestProgram(int argc, char** argv);
