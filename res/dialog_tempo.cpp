// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Set Tempo dialog: a bar of twenty tempo steps, the step's name and
// beats per minute, and a metronome whose two pictures lie on one spot.
#include "framework/message_box.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

DialogTemplate TempoDialogTemplate()
{
    return {IDD_TEMPO, "Set Tempo", 0, 0, 200, 143,
          {
              {CtlDefPushButton, IDOK, "OK", 116, 9, 50, 16},
              {CtlPushButton, IDCANCEL, "Cancel", 116, 29, 50, 16},
              {CtlCText, IDC_STATIC, "Faster", 54, 17, 26, 8},
              {CtlVScroll, IDC_TEMPO_SCROLL, "", 62, 31, 10, 87},
              {CtlCText, IDC_STATIC, "Slower", 51, 122, 30, 8},
              {CtlCText, IDC_TEMPO_NAME, "", 10, 58, 46, 27},
              {CtlGroupBox, IDC_STATIC, "", 2, 4, 86, 132},
              {CtlBitmap, IDC_METRONOME_RIGHT, "151", 125, 68, 32, 30},
              {CtlBitmap, IDC_METRONOME_LEFT, "150", 125, 68, 32, 30, ControlHidden},
              {CtlCText, IDC_TEMPO_BPM, "Static", 115, 105, 52, 16},
          }};
}
