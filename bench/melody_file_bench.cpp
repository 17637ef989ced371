// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading a melody file of 65,534 notes (File, Save Melody and
// Open Melody without their dialogs), against the same bytes written and
// read with plain file calls. Saving puts the file on disk before it
// replaces the old one, so the anchor does the same: write, fsync, rename.
// Figures are the medians of the run's saves and loads, in ms.
#include "doc/voldrim_doc.h"
#include "support/recording_midi_output.h"
#include "support/timestamping_midi_output.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kNotes = 65534;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool WritePlain(const std::string& path, const QByteArray& bytes)
{
    const std::string temporary = path + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), std::size_t(bytes.size())) == bytes.size();
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && written && synced && std::rename(temporary.c_str(), path.c_str()) == 0;
}

QByteArray ReadPlain(const std::string& path)
{
    QByteArray bytes;
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return bytes;
    char buffer[65536];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    ::close(fd);
    return bytes;
}

void BM_MelodyFile(benchmark::State& state)
{
    const bool save = state.range(0) != 0;
    CRecordingMidiOutput midi;
    QTemporaryDir folder;
    const QString path = folder.filePath("melody.vdm");
    const std::string plainPath = folder.filePath("plain.vdm").toStdString();
    CVoldrimDoc doc;
    for (int i = 0; i < kNotes; ++i)
        doc.m_melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, 36 + i % 29));
    if (!doc.OnSaveDocument(path)) {
        state.SkipWithError("the melody could not be saved");
        return;
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    WritePlain(plainPath, bytes);
    std::vector<double> figures, anchors;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const bool done = save ? doc.OnSaveDocument(path) : doc.OnOpenDocument(path);
        figures.push_back(MsSince(start));
        const Clock::time_point anchorStart = Clock::now();
        const bool plainDone = save ? WritePlain(plainPath, bytes) : ReadPlain(plainPath).size() == bytes.size();
        anchors.push_back(MsSince(anchorStart));
        if (!done || !plainDone || doc.m_melody.size() != std::size_t(kNotes)) {
            state.SkipWithError("the melody did not come through whole");
            break;
        }
    }
    state.counters["bytes"] = double(bytes.size());
    state.counters["file_ms"] = Quantile(figures, 0.5);
    state.counters["anchor_ms"] = Quantile(anchors, 0.5);
}
BENCHMARK(BM_MelodyFile)->ArgName("save")->Arg(0)->Arg(1)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
