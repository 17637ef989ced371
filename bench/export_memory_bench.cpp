// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory and time of the real program exporting from the command line
// (`voldrim --export`): the largest melody file it accepts (100,000 notes
// and rests, a title and composer of 65,535 characters) to each format,
// and the largest files it refuses (100,001 records, 10 MB of back
// references, a title of 16 MB). The anchor, run in turn with each: the
// program exporting an empty melody to the same format. The files are
// written by the program's own writer, but for the back references, which
// it never writes (support/back_reference_melody.h).
//
// Peak memory is the child's maximum resident set as the kernel counts it
// for a child that has ended (wait4). The kernel counts in it the image
// the child is made from, so the child is forked (not vforked, which would
// count this process's own peak) from this small process and exec'd at once.
#include "doc/voldrim_doc.h"
#include "export/command_line_export.h"
#include "support/back_reference_melody.h"
#include "support/recording_midi_output.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kKilobytesPerMegabyte = 1024;
constexpr int kRefusedTitleLength = 16 * 1024 * 1024;
// Back references take two bytes each: 10 MB of them.
constexpr std::uint32_t kBackReferences = 5 * 1024 * 1024;
constexpr int kSlowestTempo = 2000;

struct ExportCase {
    const char* label;
    const char* melody;
    const char* extension;
    ExportStatus status;
};

const ExportCase kCases[] = {
    {"exporting the largest melody to MusicXML", "largest.vdm", "musicxml", ExportDone},
    {"exporting the largest melody to MIDI", "largest.vdm", "mid", ExportDone},
    {"exporting the largest melody to PDF", "largest.vdm", "pdf", ExportDone},
    {"refusing 100,001 records", "records-100001.vdm", "musicxml", ExportFailed},
    {"refusing 10 MB of back references", "back-references.vdm", "musicxml", ExportFailed},
    {"refusing a title of 16 MB", "title-16mb.vdm", "musicxml", ExportFailed},
};

CString Text(int length)
{
    const CString words = QStringLiteral("Variations on a Theme for Cello ");
    return words.repeated(length / int(words.size()) + 1).left(length);
}

// Every value and rests across the staff, the key's notes and others.
void FillMelody(CVoldrimDoc& doc, std::uint32_t records)
{
    const NoteValue values[] = {NoteEighth, NoteQuarter, NoteDottedQuarter, NoteHalf, NoteDottedHalf, NoteWhole};
    constexpr int kPitchesShown = kHighestStaffPitch - kLowestStopPitch + 1;
    constexpr std::uint32_t kEveryRest = 7;
    doc.m_melody.clear();
    for (std::uint32_t i = 0; i < records; ++i) {
        if (i % kEveryRest == kEveryRest - 1)
            doc.m_melody.push_back(std::make_unique<CNoteSeries>(NoteRest, kRestPitch));
        else
            doc.m_melody.push_back(std::make_unique<CNoteSeries>(values[i % std::size(values)],
                                                                 kLowestStopPitch + int(i % kPitchesShown)));
    }
}

bool Save(CVoldrimDoc& doc, const QTemporaryDir& folder, const char* name)
{
    return doc.OnSaveDocument(folder.filePath(QLatin1String(name)));
}

bool WriteBytes(const QTemporaryDir& folder, const char* name, const QByteArray& bytes)
{
    QFile file(folder.filePath(QLatin1String(name)));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The melody files, written once; false when one could not be.
bool WriteMelodies(const QTemporaryDir& folder)
{
    CRecordingMidiOutput midi;
    CVoldrimDoc doc;
    bool written = Save(doc, folder, "empty.vdm");
    doc.m_nKey = KeyChromatic;
    doc.m_nTempo = kSlowestTempo;
    doc.m_strMelodyTitle = Text(int(CVoldrimDoc::kLongestMelodyText));
    doc.m_strMelodyComposer = Text(int(CVoldrimDoc::kLongestMelodyText));
    FillMelody(doc, CVoldrimDoc::kMostMelodyNotes);
    written = Save(doc, folder, "largest.vdm") && written;
    FillMelody(doc, CVoldrimDoc::kMostMelodyNotes + 1);
    written = Save(doc, folder, "records-100001.vdm") && written;
    doc.m_melody.clear();
    doc.m_strMelodyTitle = Text(kRefusedTitleLength);
    written = Save(doc, folder, "title-16mb.vdm") && written;
    return WriteBytes(folder, "back-references.vdm",
                      BackReferenceMelodyBytes({{NoteQuarter, kLowestStopPitch}}, kBackReferences)) &&
           written;
}

struct ChildRun {
    int status = -1; // the exit status; -1 when it did not exit
    double peakMb = 0;
    double ms = 0;
};

ChildRun RunExport(const QString& melody, const QString& output)
{
    const QByteArray program(VOLDRIM_PROGRAM);
    const QByteArray melodyPath = QFile::encodeName(melody);
    const QByteArray outputPath = QFile::encodeName(output);
    const char* const argv[] = {program.constData(), "--export", melodyPath.constData(), outputPath.constData(),
                                nullptr};
    ChildRun run;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // Only what is safe between fork and exec; its one line of error is not wanted.
        const int nothing = ::open("/dev/null", O_WRONLY);
        ::dup2(nothing, STDERR_FILENO);
        ::execv(argv[0], const_cast<char* const*>(argv));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child)
        return run;
    run.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakMb = double(usage.ru_maxrss) / kKilobytesPerMegabyte;
    return run;
}

void BM_ExportMemory(benchmark::State& state)
{
    static QTemporaryDir folder;
    static const bool written = WriteMelodies(folder);
    const ExportCase& exportCase = kCases[state.range(0)];
    if (!written) {
        state.SkipWithError("the melody files could not be written");
        return;
    }
    const QString output = folder.filePath(QStringLiteral("out.") + QLatin1String(exportCase.extension));
    ChildRun figure;
    ChildRun anchor;
    for (auto _ : state) {
        QFile::remove(output);
        figure = RunExport(folder.filePath(QLatin1String(exportCase.melody)), output);
        const bool outputAsExpected = QFile::exists(output) == (exportCase.status == ExportDone);
        anchor = RunExport(folder.filePath(QStringLiteral("empty.vdm")), output);
        if (figure.status != exportCase.status || !outputAsExpected || anchor.status != ExportDone) {
            state.SkipWithError("the export did not end as it should");
            return;
        }
    }
    state.SetLabel(exportCase.label);
    state.counters["accepted"] = exportCase.status == ExportDone;
    state.counters["peak_mb"] = figure.peakMb;
    state.counters["anchor_peak_mb"] = anchor.peakMb;
    state.counters["ms"] = figure.ms;
    state.counters["anchor_ms"] = anchor.ms;
}
BENCHMARK(BM_ExportMemory)->ArgName("case")->DenseRange(0, int(std::size(kCases)) - 1)->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
