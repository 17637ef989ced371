// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a program outside the tests, such as an independent reader of the
// files the program writes, and keeps what it said.
#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>
#include <QStringList>

struct ToolRun {
    bool finished = false; // started and ended on its own within the time allowed
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    bool Succeeded() const { return finished && exitCode == 0; }
};

constexpr int kToolTimeoutMs = 30000;

ToolRun RunExternalTool(const QString& program, const QStringList& arguments,
                        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                        int timeoutMs = kToolTimeoutMs);

// The same with the arguments given as the bytes the program receives, for
// file names that are not UTF-8 (the arguments of a QProcess are text).
ToolRun RunExternalToolOnBytes(const QString& program, const QList<QByteArray>& arguments,
                               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                               int timeoutMs = kToolTimeoutMs);
