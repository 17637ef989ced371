#pragma once
// The dialog templates, one function a dialog.
#include "framework/dialog_template.h"

DialogTemplate AboutDialogTemplate();
DialogTemplate TempoDialogTemplate();
DialogTemplate MidiDialogTemplate();
DialogTemplate TitleDialogTemplate();
