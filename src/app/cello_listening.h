// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Listen to My Cello": while it is on, the notes the student plays are
// taken as clicks on their stops, but not sounded (the student hears their
// own instrument, and nothing they play is missed for an echo), and the
// staff's header shows that the program listens, the note it hears and
// how far it is from true. The program's own sounds, and anything played
// while a dialog waits for an answer, are not answers.
#include "listen/cello_listener.h"

#include <chrono>
#include <functional>

class CCmdUI;
class CFboardView;
class CFrameWnd;
class CVoldrimDoc;

class CCelloListening {
public:
    // The fingerboard of the window, which takes each note heard as a
    // played note on its stop and shows no part of the listening state;
    // null while there is none.
    using Fingerboard = std::function<CFboardView*()>;
    CCelloListening(CFrameWnd& frame, Fingerboard fingerboard);

    // The menu item: starts or stops listening. Without a sound input it
    // says so and stays off.
    void Toggle();
    void UpdateItem(CCmdUI* ui) const;
    bool IsOn() const { return m_listener.IsListening(); }

private:
    CVoldrimDoc* Doc() const;
    void Heard(const ListenEvent& event);
    void InputFailed();
    // The program's own note sounds, or has only just stopped ringing.
    bool IsOwnSoundAround() const;
    // The listening state and the note heard, to the staff's header.
    void ShowInHeader(bool listening, int heardPitch, int cents = 0);

    CFrameWnd& m_frame;
    Fingerboard m_fingerboard;
    CCelloListener m_listener;
    std::chrono::steady_clock::time_point m_listeningSince;
};
