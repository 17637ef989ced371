#pragma once
// The whole program started as a user starts it, with its sound, help and
// message boxes replaced by recorders, for tests that drive it.
#include "app/main_frame.h"
#include "app/voldrim_app.h"
#include "doc/voldrim_doc.h"
#include "support/recording_midi_output.h"
#include "support/recording_services.h"
#include "support/scripted_responder.h"
#include "views/fingerboard/fboard_view.h"
#include "views/staff/staff_view.h"

#include <memory>

class CAppHarness {
public:
    // Starts the program with the given command-line arguments (no splash
    // window unless asked for).
    explicit CAppHarness(const QStringList& arguments = {QStringLiteral("/Embedding")});
    ~CAppHarness();

    CVoldrimDoc* Doc() const;
    CMainFrame* Frame() const;
    CFboardView* Fboard() const;
    CStaffView* Staff() const;

    // Runs a menu command as the menu does: the item's update handler
    // first, then the command only if the item is enabled. False if not.
    bool Choose(UINT id);
    // The item's state as the menu would show it now.
    bool IsEnabled(UINT id);
    bool IsChecked(UINT id);
    // Delivers pending paint passes and other posted work.
    static void ProcessEvents();

    CRecordingMidiOutput m_midi;
    CRecordingWavePlayer m_waves;
    CRecordingHelpViewer m_help;
    CScriptedResponder m_responder;
    std::unique_ptr<CVoldrimApp> m_app;
};
