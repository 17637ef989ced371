// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/external_tool.h"

#include <QFile>
#include <QProcess>

#include <unistd.h>
#include <vector>

namespace {

// Exit status of a child that could not start the program.
constexpr int kNotStarted = 127;

ToolRun WaitForTool(QProcess& process, int timeoutMs)
{
    ToolRun run;
    run.finished = process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
    if (!run.finished)
        process.kill();
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The null-terminated array of pointers execve takes; the words outlive it.
std::vector<char*> Pointers(QList<QByteArray>& words)
{
    std::vector<char*> pointers;
    for (QByteArray& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ToolRun RunExternalTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                        int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    return WaitForTool(process, timeoutMs);
}

ToolRun RunExternalToolOnBytes(const QString& program, const QList<QByteArray>& arguments,
                               const QProcessEnvironment& environment, int timeoutMs)
{
    QList<QByteArray> words = QList<QByteArray>{QFile::encodeName(program)} + arguments;
    QList<QByteArray> settings;
    for (const QString& setting : environment.toStringList())
        settings << setting.toLocal8Bit();
    const std::vector<char*> argv = Pointers(words);
    const std::vector<char*> envp = Pointers(settings);
    // The child, its output already led to the pipes, starts the program
    // itself on the bytes; QProcess would start it with none.
    QProcess process;
    process.setChildProcessModifier([&argv, &envp] {
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(kNotStarted);
    });
    process.start(program, {});
    return WaitForTool(process, timeoutMs);
}
