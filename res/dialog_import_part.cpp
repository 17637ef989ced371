// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Import Melody: which part of a score, or which track or channel of a
// MIDI file, becomes the melody.
#include "framework/message_box.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

DialogTemplate ImportPartDialogTemplate()
{
    return {IDD_IMPORT_PART, "Import Melody", 0, 0, 200, 140,
          {
              {CtlLText, IDC_STATIC, "The file holds several parts. Choose the one to import:", 8, 8, 184, 18},
              {CtlListBox, IDC_IMPORT_PARTS, "", 8, 28, 184, 84},
              {CtlDefPushButton, IDOK, "OK", 46, 120, 50, 14},
              {CtlPushButton, IDCANCEL, "Cancel", 104, 120, 50, 14},
          }};
}
