// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/synth_port.h"

#include "sound/midi_short_message.h"
#include "sound/pending_midi_words.h"

#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace {

// How often the output looks whether its synthesizer and soundfont have
// loaded, until they have or cannot.
constexpr int kWatchMs = 50;

} // namespace

struct CSynthPort::Opening {
    enum class State { Waiting, Open, Failed };

    // On the opening thread: the synthesizer, then the words that waited.
    void Run(const Opener& open)
    {
        MMRESULT why = MMSYSERR_NODRIVER;
        std::unique_ptr<CBuiltinSynth> opened = open(&why);
        const std::lock_guard<std::mutex> lock(mutex);
        if (!opened) {
            state = State::Failed;
            error = why;
            pending.Take();
            return;
        }
        for (DWORD word : pending.Take())
            opened->Send(word);
        synth = std::move(opened);
        state = State::Open;
    }

    std::mutex mutex;
    State state = State::Waiting;
    MMRESULT error = MMSYSERR_NOERROR;
    CPendingMidiWords pending;
    std::unique_ptr<CBuiltinSynth> synth;
    // Started and joined on the user-interface thread.
    std::thread thread;
};

CSynthPort::CSynthPort(FailureHandler onFailed)
    : m_pOpening(std::make_shared<Opening>()), m_onFailed(std::move(onFailed))
{
    QObject::connect(&m_watch, &QTimer::timeout, [this] { Watch(); });
    m_watch.start(kWatchMs);
}

CSynthPort::CSynthPort(std::unique_ptr<CBuiltinSynth> synth, FailureHandler onFailed)
    : CSynthPort(std::move(onFailed))
{
    m_pOpening->synth = std::move(synth);
    m_pOpening->state = Opening::State::Open;
}

CSynthPort::~CSynthPort()
{
    if (m_pOpening->thread.joinable())
        m_pOpening->thread.join();
}

std::function<void()> CSynthPort::OpeningCall(Opener open)
{
    return [weak = std::weak_ptr<Opening>(m_pOpening), open = std::move(open)] {
        const std::shared_ptr<Opening> opening = weak.lock();
        if (!opening || opening->thread.joinable())
            return;
        try {
            opening->thread = std::thread([opening, open] { opening->Run(open); });
        } catch (const std::system_error&) {
            opening->Run(open); // no thread to spare: open now rather than never
        }
    };
}

MMRESULT CSynthPort::Send(DWORD word)
{
    if (UnpackShortMessage(word).size == 0)
        return MMSYSERR_INVALPARAM;
    const std::lock_guard<std::mutex> lock(m_pOpening->mutex);
    switch (m_pOpening->state) {
    case Opening::State::Waiting:
        m_pOpening->pending.Add(word);
        return MMSYSERR_NOERROR;
    case Opening::State::Failed:
        // Told once, as the output's failure, not for every word.
        return MMSYSERR_NOERROR;
    case Opening::State::Open:
        break;
    }
    return m_pOpening->synth->Send(word);
}

bool CSynthPort::IsSynthOpen() const
{
    const std::lock_guard<std::mutex> lock(m_pOpening->mutex);
    return m_pOpening->state == Opening::State::Open;
}

void CSynthPort::Watch()
{
    MMRESULT failure = MMSYSERR_NOERROR;
    {
        const std::lock_guard<std::mutex> lock(m_pOpening->mutex);
        switch (m_pOpening->state) {
        case Opening::State::Waiting:
            return;
        case Opening::State::Failed:
            failure = m_pOpening->error;
            break;
        case Opening::State::Open:
            switch (m_pOpening->synth->GetLoadState()) {
            case CBuiltinSynth::LoadState::Loading:
                return;
            case CBuiltinSynth::LoadState::Failed:
                failure = MIDIERR_NOSOUNDFONT;
                break;
            case CBuiltinSynth::LoadState::Loaded:
                break;
            }
            break;
        }
    }
    m_watch.stop();
    if (failure != MMSYSERR_NOERROR)
        m_onFailed(this, failure);
}
