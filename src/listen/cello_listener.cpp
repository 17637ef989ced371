// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/cello_listener.h"

#include "listen/pitch_listener.h"
#include "listen/sound_input.h"

#include <QObject>

#include <vector>

CCelloListener::CCelloListener(EventHandler onEvent, FailureHandler onInputFailed)
    : m_onEvent(std::move(onEvent)), m_onInputFailed(std::move(onInputFailed))
{
}

CCelloListener::~CCelloListener()
{
    Stop();
}

bool CCelloListener::Start()
{
    if (IsListening())
        return true;
    // Without a pitch detector there is nothing to listen with.
    if (!CPitchReader::CanRead())
        return false;
    m_pStream = AfxGetSoundInput().Open(CPitchListener::kSampleRate, kBlockFrames);
    if (!m_pStream)
        return false;
    m_pReceiver = std::make_unique<QObject>();
    m_bStopping = false;
    m_thread = std::thread([this] { Listen(); });
    return true;
}

void CCelloListener::Stop()
{
    if (!IsListening())
        return;
    m_bStopping = true;
    m_pStream->Stop();
    m_thread.join();
    // Drops what the thread sent and was not yet delivered.
    m_pReceiver.reset();
    m_pStream.reset();
}

void CCelloListener::Listen()
{
    CPitchListener listener;
    std::vector<float> block(kBlockFrames);
    std::vector<ListenEvent> events;
    while (m_pStream->Read(block.data(), block.size())) {
        listener.Feed(block.data(), block.size(), events);
        for (const ListenEvent& event : events)
            QMetaObject::invokeMethod(m_pReceiver.get(), [this, event] { m_onEvent(event); }, Qt::QueuedConnection);
        events.clear();
    }
    if (m_bStopping)
        return;
    QMetaObject::invokeMethod(
        m_pReceiver.get(),
        [this] {
            // The last thing the thread sent: nothing waits behind it. The
            // receiver goes once this call, which it is running, is over.
            m_thread.join();
            m_pStream.reset();
            m_pReceiver.release()->deleteLater();
            m_onInputFailed();
        },
        Qt::QueuedConnection);
}
