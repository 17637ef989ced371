#pragma once
// The dialog templates, one function a dialog.
#include "framework/dialog_template.h"

DialogTemplate AboutDialogTemplate();
DialogTemplate TempoDialogTemplate();
DialogTemplate MidiDialogTemplate();
DialogTemplate TitleDialogTemplate();

// The template of a dialog id; null for an unknown id.
const DialogTemplate* ProgramDialogTemplate(UINT id);
