// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The About box.
#include "framework/message_box.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

DialogTemplate AboutDialogTemplate()
{
    return {IDD_ABOUTBOX, "About Voldrim", 34, 22, 255, 146,
          {
              {CtlIcon, IDC_STATIC, "2", 23, 16, 21, 20},
              {CtlCText, IDC_STATIC, "Voldrim", 67, 25, 119, 8},
              {CtlCText, IDC_VERSION, "", 58, 38, 140, 8},
              {CtlLText, IDC_STATIC, "_____________________________________", 24, 77, 151, 8},
              {CtlLText, IDC_STATIC, "Learn to read the bass clef on the cello.", 24, 90, 220, 8},
              {CtlLText, IDC_STATIC, "Click a green stop or a staff line to see and hear its note.", 24, 102, 220, 8},
              {CtlLText, IDC_STATIC, "Hold E, D, H, T, W or R while clicking to choose a rhythm.", 24, 114, 220, 8},
              {CtlLText, IDC_STATIC, "Sound comes from the built-in synthesizer or a MIDI port.", 24, 126, 220, 8},
              {CtlDefPushButton, IDOK, "OK", 192, 9, 52, 14},
          }};
}
