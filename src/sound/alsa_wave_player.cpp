// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/alsa_wave_player.h"

#include "sound/alsa_quiet.h"
#include "sound/sound_file_library.h"

#include <QFile>
#include <QFileInfo>
#include <alsa/asoundlib.h>
#include <vector>

namespace {

// Enough for the sounds we play, small enough that the first buffer
// starts quickly.
constexpr unsigned int kLatencyMicroseconds = 100000;
constexpr sf_count_t kChunkFrames = 4096;

struct SoundFile {
    const SoundFileLibrary& sndfile;
    SNDFILE* file = nullptr;
    ~SoundFile()
    {
        if (file)
            sndfile.sf_close(file);
    }
};

struct Pcm {
    snd_pcm_t* pcm = nullptr;
    ~Pcm()
    {
        if (pcm)
            snd_pcm_close(pcm);
    }
};

bool WriteAll(snd_pcm_t* pcm, const short* samples, sf_count_t frames, int channels)
{
    while (frames > 0) {
        snd_pcm_sframes_t written = snd_pcm_writei(pcm, samples, snd_pcm_uframes_t(frames));
        if (written < 0) {
            // An underrun or a suspend can be recovered; anything else ends the sound.
            if (snd_pcm_recover(pcm, int(written), 1) < 0)
                return false;
            continue;
        }
        samples += written * channels;
        frames -= written;
    }
    return true;
}

} // namespace

CString CAlsaWavePlayer::DeviceName()
{
    const QString fromEnv = qEnvironmentVariable("VOLDRIM_WAVE_DEVICE");
    return fromEnv.isEmpty() ? QStringLiteral("default") : fromEnv;
}

bool CAlsaWavePlayer::PlaySync(const CString& path)
{
    // Without the file, or without libsndfile, silence; the library is
    // loaded only for a file there is.
    if (!QFileInfo(path).isFile())
        return false;
    const SoundFileLibrary* sndfile = LoadSoundFileLibrary();
    if (!sndfile)
        return false;
    SF_INFO info{};
    SoundFile sound{*sndfile};
    sound.file = sndfile->sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!sound.file || info.channels < 1 || info.channels > 8 || info.samplerate < 1000 || info.samplerate > 384000)
        return false;

    CQuietAlsaErrors quiet;
    Pcm out;
    // A blocking open waits for as long as another client holds a device
    // that cannot be shared (such as the synthesizer on a bare hw device):
    // the program would freeze at start-up or exit. Open without waiting,
    // then write blocking so that the sound still plays to its end.
    if (snd_pcm_open(&out.pcm, DeviceName().toLocal8Bit().constData(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK)
        < 0) {
        out.pcm = nullptr;
        return false;
    }
    if (snd_pcm_nonblock(out.pcm, 0) < 0)
        return false;
    if (snd_pcm_set_params(out.pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(info.channels),
            unsigned(info.samplerate), 1, kLatencyMicroseconds)
        < 0)
        return false;

    std::vector<short> buffer(std::size_t(kChunkFrames) * std::size_t(info.channels));
    for (;;) {
        const sf_count_t frames = sndfile->sf_readf_short(sound.file, buffer.data(), kChunkFrames);
        if (frames <= 0)
            break;
        if (!WriteAll(out.pcm, buffer.data(), frames, info.channels))
            return false;
    }
    return snd_pcm_drain(out.pcm) == 0;
}
