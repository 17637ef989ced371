// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Export Melody: the time signature of a MusicXML or MIDI file, none
// unless the user chooses one.
#include "framework/message_box.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

DialogTemplate ExportMeterDialogTemplate()
{
    return {IDD_EXPORT_METER, "Export Melody", 0, 0, 200, 82,
          {
              {CtlLText, IDC_STATIC, "A melody has no meter. To write it in bars, with notes tied across "
                                     "the barlines, choose a time signature:", 8, 8, 184, 26},
              {CtlComboBox, IDC_EXPORT_METERS, "", 60, 38, 80, 60},
              {CtlDefPushButton, IDOK, "OK", 46, 60, 50, 14},
              {CtlPushButton, IDCANCEL, "Cancel", 104, 60, 50, 14},
          }};
}
