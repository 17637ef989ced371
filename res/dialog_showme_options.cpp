// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Show Me Options: questions about both the staff and the fingerboard, the
// staff notes only, or the fingerboard only.
#include "framework/message_box.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

DialogTemplate ShowMeOptionsDialogTemplate()
{
    return {IDD_SHOWME_OPTIONS, "Show Me Options", 0, 0, 210, 159,
          {
              {CtlRadioButton, IDC_QUESTIONS_BOTH, "", 17, 23, 18, 24, ControlGroup},
              {CtlRadioButton, IDC_QUESTIONS_STAFF, "", 17, 59, 18, 24},
              {CtlRadioButton, IDC_QUESTIONS_FINGERBOARD, "", 17, 95, 18, 24},
              {CtlLText, IDC_STATIC, "Choose this radio  button if you would like Show Me questions about both the "
                                     "staff notes and the fingerboard.", 50, 24, 135, 33},
              {CtlLText, IDC_STATIC, "Choose this radio button if you would like Show Me questions about the staff "
                                     "notes only.", 50, 61, 134, 35},
              {CtlLText, IDC_STATIC, "Choose this radio button if you would like Show Me questions about the "
                                     "fingerboard only.", 50, 96, 136, 35},
              {CtlGroupBox, IDC_STATIC, "Question Type ", 4, 4, 199, 131},
              {CtlDefPushButton, IDOK, "OK", 50, 140, 50, 14},
              {CtlPushButton, IDCANCEL, "Cancel", 108, 140, 50, 14},
          }};
}
