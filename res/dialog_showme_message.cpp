// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Show Me Message!: the verdict on an answer, with the smiling or the
// unhappy face on one spot, and Yes or No to go on.
#include "framework/message_box.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

DialogTemplate ShowMeMessageDialogTemplate()
{
    return {IDD_SHOWME_MESSAGE, "Show Me Message!", 0, 0, 155, 47,
          {
              {CtlDefPushButton, IDOK, "Yes", 24, 29, 50, 14},
              {CtlPushButton, IDCANCEL, "No", 83, 29, 50, 14},
              {CtlIcon, IDC_RIGHT_FACE, "130", 6, 5, 18, 20},
              {CtlLText, IDC_SHOWME_MESSAGE, "", 41, 11, 106, 12},
              {CtlIcon, IDC_WRONG_FACE, "131", 5, 4, 18, 20},
          }};
}
