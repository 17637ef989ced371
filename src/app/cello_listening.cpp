// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cello_listening.h"

#include "doc/voldrim_doc.h"
#include "framework/cmd_target.h"
#include "framework/frame_wnd.h"
#include "framework/message_box.h"
#include "res/resource.h"
#include "sound/midi_device.h"
#include "sound/play_wave_sound.h"
#include "views/fingerboard/fboard_view.h"

#include <QApplication>
#include <utility>

namespace {

// The ring of a sound of the program, in the room and in the microphone,
// after its note-off or its end.
constexpr std::chrono::milliseconds kOwnRing(400);

} // namespace

CCelloListening::CCelloListening(CFrameWnd& frame, Fingerboard fingerboard)
    : m_frame(frame), m_fingerboard(std::move(fingerboard)),
      m_listener([this](const ListenEvent& event) { Heard(event); }, [this] { InputFailed(); })
{
}

CVoldrimDoc* CCelloListening::Doc() const
{
    return static_cast<CVoldrimDoc*>(m_frame.GetActiveDocument());
}

void CCelloListening::Toggle()
{
    if (IsOn()) {
        m_listener.Stop();
        ShowInHeader(false, kNoPitch);
        return;
    }
    if (!m_listener.Start()) {
        AfxMessageBox(IDS_NO_SOUND_INPUT);
        return;
    }
    m_listeningSince = std::chrono::steady_clock::now();
    ShowInHeader(true, kNoPitch);
}

void CCelloListening::UpdateItem(CCmdUI* ui) const
{
    ui->SetCheck(IsOn());
}

void CCelloListening::InputFailed()
{
    ShowInHeader(false, kNoPitch);
    AfxMessageBox(IDS_SOUND_INPUT_LOST);
}

bool CCelloListening::IsOwnSoundAround() const
{
    const auto now = std::chrono::steady_clock::now();
    // The good-bye sound plays while the program waits: what was heard
    // meanwhile arrives just after it ends. (The start-up sound is over
    // before anyone can ask the program to listen.)
    const auto waveEnded = LastWaveSoundEnded();
    if (waveEnded > m_listeningSince && now - waveEnded < kOwnRing)
        return true;
    const CVoldrimDoc* doc = Doc();
    const CMidiDevice* midi = doc ? doc->m_pMidiDevice : nullptr;
    if (!midi)
        return false;
    return midi->IsNoteSounding() || now - midi->LastSilenced() < kOwnRing;
}

void CCelloListening::Heard(const ListenEvent& event)
{
    if (event.kind == ListenEvent::Kind::NoteEnded) {
        ShowInHeader(true, kNoPitch);
        return;
    }
    if (event.kind == ListenEvent::Kind::NoteTuned) {
        // The needle of the note shown follows its pitch.
        if (const CVoldrimDoc* doc = Doc(); doc && doc->m_nHeardPitch == event.pitch)
            ShowInHeader(true, event.pitch, event.cents);
        return;
    }
    if (QApplication::activeModalWidget() || IsOwnSoundAround())
        return;
    ShowInHeader(true, event.pitch, event.cents);
    if (CFboardView* board = m_fingerboard())
        board->TakePlayedNote(event.pitch, double(event.cents));
}

void CCelloListening::ShowInHeader(bool listening, int heardPitch, int cents)
{
    CVoldrimDoc* doc = Doc();
    if (!doc)
        return;
    doc->m_bListening = listening;
    doc->m_nHeardPitch = heardPitch;
    doc->m_nHeardCents = cents;
    // The fingerboard takes no part: only the staff repaints its header.
    doc->UpdateAllViews(m_fingerboard(), HintNoteOrTempo);
}
