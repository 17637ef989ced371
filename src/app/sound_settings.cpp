// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sound_settings.h"

#include "doc/voldrim_doc.h"
#include "sound/dialogs/midi_dlg.h"
#include "sound/dialogs/tempo_dlg.h"

void RunTempoDialog(CVoldrimDoc& doc, QWidget* parent)
{
    if (doc.m_bPlaying)
        return;
    CTempoDlg dialog(parent);
    dialog.m_nTempo = doc.m_nTempo;
    dialog.DoModal();
    doc.TakeChosenTempo(dialog.m_nTempo);
}

void RunMidiDialog(CVoldrimDoc& doc, QWidget* parent)
{
    CMidiDlg dialog(parent);
    dialog.m_pMidiDevice = doc.m_pMidiDevice;
    dialog.m_bUseMidi = doc.m_bUseMidi;
    // Only the switch comes back, read from the box by OK and unchanged by
    // Cancel.
    dialog.DoModal();
    doc.TakeMidiChoice(dialog.m_bUseMidi != 0, dialog.m_bTestPlaying == 1, CMidiDlg::kTestNote);
}
