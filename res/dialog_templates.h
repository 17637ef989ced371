// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog templates, one function a dialog.
#include "framework/dialog_template.h"

DialogTemplate AboutDialogTemplate();
DialogTemplate TempoDialogTemplate();
DialogTemplate MidiDialogTemplate();
DialogTemplate TitleDialogTemplate();
DialogTemplate ShowMeOptionsDialogTemplate();
DialogTemplate ShowMeMessageDialogTemplate();
DialogTemplate ShowMeScoresDialogTemplate();
DialogTemplate ImportPartDialogTemplate();
DialogTemplate ExportMeterDialogTemplate();

// The template of a dialog id; null for an unknown id.
const DialogTemplate* ProgramDialogTemplate(UINT id);
