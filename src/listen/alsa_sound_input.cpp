// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Recording from ALSA's default capture device, without waiting forever:
// the stream is read without blocking, with a bounded wait for data.
#include "listen/system_sound_input.h"

#include "sound/alsa_quiet.h"

#include <alsa/asoundlib.h>

#include <atomic>

namespace {

constexpr unsigned kLatencyMicroseconds = 20000;
constexpr int kWaitMs = 100;
// Reads that find no data for this long mean the device has stopped.
constexpr int kLongestSilentWaits = 20;

class CAlsaInputStream : public CSoundInputStream {
public:
    explicit CAlsaInputStream(snd_pcm_t* pcm) : m_pPcm(pcm) {}
    ~CAlsaInputStream() override { snd_pcm_close(m_pPcm); }
    CAlsaInputStream(const CAlsaInputStream&) = delete;
    CAlsaInputStream& operator=(const CAlsaInputStream&) = delete;

    bool Read(float* samples, std::size_t count) override
    {
        int silentWaits = 0;
        while (count > 0) {
            if (m_bStopped || silentWaits > kLongestSilentWaits)
                return false;
            const snd_pcm_sframes_t read = snd_pcm_readi(m_pPcm, samples, count);
            if (read == -EAGAIN) {
                if (snd_pcm_wait(m_pPcm, kWaitMs) == 0)
                    ++silentWaits;
                continue;
            }
            if (read < 0) {
                // An overrun loses a little sound; anything else ends it.
                if (snd_pcm_recover(m_pPcm, int(read), 1) < 0)
                    return false;
                continue;
            }
            silentWaits = 0;
            samples += read;
            count -= std::size_t(read);
        }
        return true;
    }
    void Stop() override { m_bStopped = true; }

private:
    snd_pcm_t* m_pPcm;
    std::atomic<bool> m_bStopped{false};
};

} // namespace

std::unique_ptr<CSoundInputStream> OpenAlsaInput(int sampleRate, std::size_t)
{
    CQuietAlsaErrors quiet;
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_CAPTURE, SND_PCM_NONBLOCK) < 0)
        return nullptr;
    // Soft resampling on: the device may not record at our rate.
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_FLOAT, SND_PCM_ACCESS_RW_INTERLEAVED, 1, unsigned(sampleRate), 1,
                           kLatencyMicroseconds)
            < 0
        || snd_pcm_start(pcm) < 0) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    return std::make_unique<CAlsaInputStream>(pcm);
}
