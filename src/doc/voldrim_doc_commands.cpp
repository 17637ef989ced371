// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The document's commands: keys, Erase and the fingerboard and staff
// options, with their update handlers; what the Tempo and MIDI dialogs,
// which the main window runs, leave in the document.
#include "doc/voldrim_doc.h"

#include "framework/view.h"
#include "res/resource.h"
#include "sound/midi_device.h"

void CVoldrimDoc::OnKey(Key key)
{
    CMelodyChange change(*this);
    ResetState();
    m_nKey = key;
    ApplyKey(key);
}

void CVoldrimDoc::OnErase()
{
    if (m_bPlaying)
        return;
    ResetState();
    for (CView* view : GetViews())
        view->SetFocus();
}

void CVoldrimDoc::EnableWhileIdle(CCmdUI* ui)
{
    ClearHeldKeys();
    ui->Enable(!m_bPlaying);
}

void CVoldrimDoc::CheckWhen(CCmdUI* ui, bool checked)
{
    ClearHeldKeys();
    ui->SetCheck(checked ? 1 : 0);
}

template <typename T>
void CVoldrimDoc::MapOption(UINT id, T CVoldrimDoc::*option, T value)
{
    MapCommand(id, [this, option, value] {
        this->*option = value;
        UpdateAllViews(nullptr, HintRepaintAll);
    });
    MapUpdate(id, [this, option, value](CCmdUI* ui) { CheckWhen(ui, this->*option == value); });
}

void CVoldrimDoc::MapCommands()
{
    const std::pair<UINT, Key> keys[] = {{ID_KEY_C, KeyC},   {ID_KEY_G, KeyG},   {ID_KEY_D, KeyD},
                                         {ID_KEY_F, KeyF},   {ID_KEY_BB, KeyBb}, {ID_KEY_CHROMATIC, KeyChromatic}};
    for (const auto& [id, key] : keys) {
        const Key k = key;
        MapCommand(id, [this, k] { OnKey(k); });
        MapUpdate(id, [this, k](CCmdUI* ui) {
            EnableWhileIdle(ui);
            ui->SetCheck(m_nKey == k ? 1 : 0);
        });
    }

    MapCommand(ID_ERASE, [this] { OnErase(); });
    MapCommand(IDC_ERASE_BUTTON, [this] { OnErase(); });
    MapUpdate(ID_ERASE, [this](CCmdUI* ui) { EnableWhileIdle(ui); });

    // Tempo has no update handler: it is always enabled and does nothing
    // while a melody plays.
    for (UINT id : std::initializer_list<UINT>{ID_SHOWME_OPTIONS, ID_MIDI, ID_SHOWME_SCORES, ID_PLAY, ID_FILE_NEW, ID_FILE_OPEN,
                    ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_EXPORT, ID_FILE_IMPORT, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
                    ID_FILE_PRINT_SETUP})
        MapUpdate(id, [this](CCmdUI* ui) { EnableWhileIdle(ui); });

    MapCommand(ID_EDIT_UNDO, [this] { Undo(); });
    MapUpdate(ID_EDIT_UNDO, [this](CCmdUI* ui) {
        EnableWhileIdle(ui);
        ui->Enable(!m_bPlaying && CanUndo());
    });

    MapOption(ID_FB_NOTE_NAMES, &CVoldrimDoc::m_nLabelMode, LabelNoteNames);
    MapOption(ID_FB_FINGER_NUMBERS, &CVoldrimDoc::m_nLabelMode, LabelFingerNumbers);
    MapOption(ID_FB_ALL_POSITIONS, &CVoldrimDoc::m_bAllPositions, true);
    MapOption(ID_FB_SINGLE_POSITION, &CVoldrimDoc::m_bAllPositions, false);
    MapOption(ID_STAFF_SHOW_NAMES, &CVoldrimDoc::m_bStaffNames, true);
    MapOption(ID_STAFF_HIDE_NAMES, &CVoldrimDoc::m_bStaffNames, false);
    MapCommand(ID_FB_OPEN_STRINGS, [this] {
        m_bShowOpenStrings = !m_bShowOpenStrings;
        UpdateAllViews(nullptr, HintRepaintAll);
    });
    MapUpdate(ID_FB_OPEN_STRINGS, [this](CCmdUI* ui) { CheckWhen(ui, m_bShowOpenStrings); });
    // Continuous play changes nothing on screen.
    MapCommand(ID_CONTINUOUS_PLAY, [this] { m_bContinuousPlay = !m_bContinuousPlay; });
    MapUpdate(ID_CONTINUOUS_PLAY, [this](CCmdUI* ui) { CheckWhen(ui, m_bContinuousPlay); });
}

void CVoldrimDoc::TakeChosenTempo(int tempo)
{
    m_bStaffNoteShown = true;
    m_nTempo = tempo;
    ClearHeldKeys();
    // The staff's header shows the new tempo.
    UpdateAllViews(nullptr, HintNoteOrTempo);
}

void CVoldrimDoc::TakeMidiChoice(bool useMidi, bool testNoteSounding, int testNote)
{
    if (testNoteSounding)
        m_pMidiDevice->PlayNoteOff(testNote);
    m_bUseMidi = useMidi;
    ClearHeldKeys();
}
