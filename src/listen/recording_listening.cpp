// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/recording_listening.h"

#include "framework/native_path.h"
#include "listen/pitch_listener.h"
#include "listen/resampler.h"
#include "model/note_names.h"
#include "sound/sound_file_library.h"

#include <QTextStream>

#include <memory>

namespace {

constexpr const char* kCommandName = "voldrim";
constexpr sf_count_t kReadFrames = 4096;

struct SndFileCloser {
    void operator()(SNDFILE* file) const { LoadSoundFileLibrary()->sf_close(file); }
};

QString Seconds(std::int64_t frame)
{
    return QString::number(double(frame) / CPitchListener::kSampleRate, 'f', 3);
}

} // namespace

bool ReadRecording(const CString& path, Recording& recording, CString& why)
{
    const SoundFileLibrary* sndfile = LoadSoundFileLibrary();
    if (!sndfile) {
        why = QStringLiteral("libsndfile, which reads recordings, is not installed");
        return false;
    }
    SF_INFO info{};
    const QByteArray bytes = AfxEncodePath(path);
    std::unique_ptr<SNDFILE, SndFileCloser> file(sndfile->sf_open(bytes.constData(), SFM_READ, &info));
    if (!file) {
        why = QString::fromLocal8Bit(sndfile->sf_strerror(nullptr));
        return false;
    }
    if (info.channels < 1 || info.samplerate < 1) {
        why = QStringLiteral("not a sound this program can hear");
        return false;
    }
    recording.sampleRate = info.samplerate;
    recording.samples.clear();
    std::vector<float> block(std::size_t(kReadFrames * info.channels));
    for (;;) {
        const sf_count_t frames = sndfile->sf_readf_float(file.get(), block.data(), kReadFrames);
        if (frames <= 0)
            break;
        for (sf_count_t i = 0; i < frames; ++i) {
            float sum = 0;
            for (int c = 0; c < info.channels; ++c)
                sum += block[std::size_t(i * info.channels + c)];
            recording.samples.push_back(sum / float(info.channels));
        }
    }
    if (sndfile->sf_error(file.get()) != SF_ERR_NO_ERROR) {
        why = QString::fromLocal8Bit(sndfile->sf_strerror(file.get()));
        return false;
    }
    return true;
}

std::vector<ListenEvent> ListenTo(const std::vector<float>& samples)
{
    CPitchListener listener;
    std::vector<ListenEvent> events = listener.Feed(samples);
    // The end of the recording is silence: a note still held ends there.
    const std::vector<float> silence(CPitchListener::kSampleRate / 4, 0.0f);
    listener.Feed(silence.data(), silence.size(), events);
    return events;
}

CString HeardNoteLine(const ListenEvent& started)
{
    const QString cents = (started.cents >= 0 ? QStringLiteral("+") : QString()) + QString::number(started.cents);
    return Seconds(started.onsetFrame) + QLatin1Char(' ') + Seconds(started.frame) + QLatin1Char(' ')
        + NoteNameWithOctave(started.pitch) + QLatin1Char(' ') + QString::number(started.pitch) + QLatin1Char(' ')
        + cents;
}

int ListenToRecording(const CString& path, QTextStream& out, QTextStream& errors)
{
    if (!CPitchReader::CanRead()) {
        errors << kCommandName << ": cannot hear pitches without the aubio library" << Qt::endl;
        return 1;
    }
    Recording recording;
    CString why;
    if (!ReadRecording(path, recording, why)) {
        errors << kCommandName << ": " << AfxDisplayPath(path) << ": " << why << Qt::endl;
        return 1;
    }
    const std::vector<float> heard = Resampled(recording.samples, recording.sampleRate, CPitchListener::kSampleRate);
    for (const ListenEvent& event : ListenTo(heard)) {
        if (event.kind == ListenEvent::Kind::NoteStarted)
            out << HeardNoteLine(event) << '\n';
    }
    out.flush();
    return 0;
}
