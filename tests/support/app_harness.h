// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program started as a user starts it, with its sound, help,
// message boxes and print dialogs replaced by recorders while it lives, for
// tests that drive it.
#include "app/main_frame.h"
#include "app/voldrim_app.h"
#include "doc/voldrim_doc.h"
#include "support/fed_sound_input.h"
#include "support/pdf_print_dialogs.h"
#include "support/recording_midi_output.h"
#include "support/recording_services.h"
#include "support/scripted_responder.h"
#include "views/fingerboard/fboard_view.h"
#include "views/staff/staff_view.h"

#include <memory>

class CAppHarness {
public:
    // Starts the program with the given command-line arguments (no splash
    // window unless asked for), and answers OK to as many message boxes as
    // it is expected to show while it starts.
    explicit CAppHarness(const QStringList& arguments = {QStringLiteral("/Embedding")}, int boxesAtStart = 0);
    ~CAppHarness();

    CVoldrimDoc* Doc() const;
    CMainFrame* Frame() const;
    CFboardView* Fboard() const;
    CStaffView* Staff() const;

    // What a menu item shows when its menu opens.
    struct MenuItemLook {
        bool enabled = false;
        bool checkable = false;
        bool checked = false;
    };

    // Runs a command as its accelerator key does: the update handler
    // first, then the command only if it is enabled. False if not.
    bool Choose(UINT id);
    // Chooses a menu item as a user does: opens the menus down to it, which
    // brings them up to date, and triggers the item's own action if it is
    // enabled. False if it is disabled.
    bool ChooseFromMenu(UINT id);
    // Opens the menus down to the item and reads how it shows.
    MenuItemLook OpenMenuTo(UINT id);
    // Whether the command is enabled now, by its update handler.
    bool IsEnabled(UINT id);
    // Whether the item shows a tick when its menu opens.
    bool IsChecked(UINT id);
    // Delivers pending paint passes and other posted work.
    static void ProcessEvents();
    // The staff painted anew, and the texts it wrote in boxes (its status
    // line and its note names), in order.
    std::vector<CString> StaffBoxTexts();

    CRecordingMidiOutput m_midi;
    CRecordingWavePlayer m_waves;
    CRecordingHelpViewer m_help;
    CFedSoundInput m_input;
    CScriptedResponder m_responder;
    CPdfPrintDialogs m_print;
    std::unique_ptr<CVoldrimApp> m_app;
};
