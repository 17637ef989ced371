// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/practice_csv.h"

#include "framework/save_file.h"
#include "model/key.h"
#include "model/note_names.h"
#include "practice/practice_history.h"
#include "practice/practice_reader.h"

#include <QDateTime>
#include <QDir>
#include <QTextStream>

namespace {

const char* const kHeader =
    "answered_at,key,side,asked_note,asked_midi,answered_note,answered_midi,result,response_ms,played,cents\n";
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
// Cents to a tenth: finer than an ear or a listener tells.
constexpr int kCentsDecimals = 1;

void WriteLine(QTextStream& out, const PracticeAnswer& answer)
{
    const QChar comma(QLatin1Char(','));
    out << QDateTime::fromMSecsSinceEpoch(answer.answeredAt).toString(kTimeFormat) << comma
        << KeyName(Key(answer.key)) << comma
        << (answer.side == PracticeSide::Fingerboard ? "fingerboard" : "staff") << comma
        << NoteNameWithOctave(answer.askedPitch) << comma << answer.askedPitch << comma
        << NoteNameWithOctave(answer.answeredPitch) << comma << answer.answeredPitch << comma
        << (answer.right ? "right" : "wrong") << comma << answer.responseMs << comma
        << (answer.playing.played ? "yes" : "no") << comma;
    if (answer.playing.cents)
        out << QString::number(*answer.playing.cents, 'f', kCentsDecimals);
    out << '\n';
}

CString UnreadableMessage(const QString& historyPath, const CPracticeReader& reader)
{
    const QString file = QDir::toNativeSeparators(historyPath);
    if (reader.Trouble() == PracticeTrouble::Newer)
        return QStringLiteral("The practice history %1 was written by a newer Voldrim.").arg(file);
    return QStringLiteral("The practice history %1 cannot be read: %2").arg(file, reader.ErrorText());
}

} // namespace

CString ExportPracticeHistory(const QString& historyPath, const CString& csvPath)
{
    CPracticeReader reader(historyPath);
    if (reader.Trouble() != PracticeTrouble::None)
        return UnreadableMessage(historyPath, reader);
    bool read = true;
    const CString failure = AfxSaveFile(csvPath, [&](QIODevice& device) {
        QTextStream out(&device);
        out << kHeader;
        read = reader.ForEachAnswer([&out](const PracticeAnswer& answer) {
            WriteLine(out, answer);
            return true;
        });
        out.flush();
        return read && out.status() == QTextStream::Ok;
    });
    if (!read)
        return UnreadableMessage(historyPath, reader);
    return failure;
}

bool WritePracticeCsvFile(const CString& csvPath, QTextStream& errors)
{
    const CString failure = ExportPracticeHistory(PracticeHistoryPath(), csvPath);
    if (failure.isEmpty())
        return true;
    // The framework's messages such as "Failed to save document." do not
    // name the file.
    const CString line = failure.contains(csvPath) || failure.contains(QStringLiteral("practice history"))
                             ? failure
                             : csvPath + QStringLiteral(": ") + failure;
    errors << "voldrim: " << line << Qt::endl;
    return false;
}
