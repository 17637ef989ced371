// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI Options dialog: note sounds on or off, output device, channel
// and instrument, and a test note. The drop-down heights include the
// opened list.
#include "framework/message_box.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

DialogTemplate MidiDialogTemplate()
{
    return {IDD_MIDI, "MIDI Options", 0, 0, 226, 124,
          {
              {CtlCheckBox, IDC_USE_MIDI, "&Use MIDI (Play sounds)", 16, 8, 126, 12},
              {CtlLText, IDC_STATIC, "&MIDI Device", 15, 26, 68, 11},
              {CtlComboBox, IDC_MIDI_DEVICE, "", 15, 40, 126, 63},
              {CtlLText, IDC_STATIC, "&Channel", 15, 55, 45, 9},
              {CtlComboBox, IDC_MIDI_CHANNEL, "", 15, 67, 126, 62},
              {CtlLText, IDC_STATIC, "&Instrument", 15, 82, 41, 9},
              {CtlComboBox, IDC_MIDI_INSTRUMENT, "", 15, 92, 126, 57},
              {CtlDefPushButton, IDOK, "OK", 159, 12, 50, 14},
              {CtlPushButton, IDCANCEL, "Cancel", 159, 29, 50, 14},
              {CtlPushButton, IDC_MIDI_TEST, "&Test", 159, 57, 50, 14},
          }};
}
