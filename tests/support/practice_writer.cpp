// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Another copy of the program as the practice history sees it: records
// COUNT answers into the history FILE through the recorder, one at a time,
// and says "written N" once each is in the file, or on its error output
// what trouble stopped it.
#include "practice/practice_recorder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    bool troubled = false;
    CPracticeRecorder recorder(arguments[1], [&troubled](PracticeTrouble trouble, const QString& detail) {
        troubled = true;
        QTextStream(stderr) << "trouble " << int(trouble) << ": " << detail << Qt::endl;
    });
    QTextStream out(stdout);
    const int count = arguments[2].toInt();
    for (int n = 1; n <= count && !troubled; ++n) {
        PracticeAnswer answer;
        answer.answeredAt = QDateTime::currentMSecsSinceEpoch();
        answer.key = 1;
        answer.askedPitch = 36 + n % 28;
        answer.answeredPitch = answer.askedPitch;
        answer.right = true;
        answer.responseMs = n;
        recorder.Record(answer);
        recorder.Flush();
        out << "written " << n << Qt::endl;
    }
    return troubled ? 1 : 0;
}
