// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page: man reads it without a warning, and it lists the
// options that --help lists, with the same arguments.
#include "app/command_line.h"
#include "support/external_tool.h"
#include "support/file_bytes.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString kManualPage = QStringLiteral(VOLDRIM_SOURCE_DIR "/res/man/voldrim.1");

// Each option of --help with its arguments, as "--export MELODY.vdm OUTPUT":
// the left column of the lines that start with an option.
QStringList HelpOptions()
{
    QStringList options;
    const QRegularExpression line(QStringLiteral("^  (--\\S+(?: \\S+)*)  "), QRegularExpression::MultilineOption);
    for (auto match = line.globalMatch(CommandLineHelp()); match.hasNext();)
        options << match.next().captured(1);
    return options;
}

// The same from the page's OPTIONS section: the tag line of each option.
QStringList ManualOptions(const QString& page)
{
    const qsizetype start = page.indexOf(QLatin1String("\n.SH OPTIONS\n"));
    const QString section = page.mid(start, page.indexOf(QLatin1String("\n.SH "), start + 1) - start);
    QStringList options;
    const QRegularExpression tag(QStringLiteral("^\\.TP\\n\\.BI? (\\\\-\\\\-.*)$"),
                                 QRegularExpression::MultilineOption);
    for (auto match = tag.globalMatch(section); match.hasNext();) {
        QString option = match.next().captured(1);
        option.remove(QLatin1Char('"')).replace(QLatin1String("\\-"), QLatin1String("-"));
        options << option.simplified();
    }
    return options;
}

TEST(ManualPage, ManReadsItWithoutAWarning)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("MANROFFSEQ", "");
    environment.insert("MANWIDTH", "80");
    const ToolRun man = RunExternalTool(QStringLiteral("man"), {"--warnings", "-E", "UTF-8", "-l", kManualPage},
                                        environment);
    EXPECT_TRUE(man.Succeeded()) << man.exitCode;
    EXPECT_EQ(man.err.toStdString(), "");
    EXPECT_TRUE(man.out.contains("--open MELODY.vdm")) << man.out.toStdString();
}

TEST(ManualPage, ListsTheOptionsOfHelpWithTheirArguments)
{
    const QStringList help = HelpOptions();
    // Every line of --help that starts with an option is read.
    ASSERT_EQ(help.size(), CommandLineHelp().count(QLatin1String("\n  --")));
    ASSERT_TRUE(help.contains("--open MELODY.vdm"));
    const QStringList manual = ManualOptions(QString::fromUtf8(ReadFileBytes(kManualPage)));
    EXPECT_EQ(manual.join(" | ").toStdString(), help.join(" | ").toStdString());
}

} // namespace
