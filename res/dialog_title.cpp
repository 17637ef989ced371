// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Title Your Composition: the melody's title and its composer.
#include "framework/message_box.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

DialogTemplate TitleDialogTemplate()
{
    return {IDD_TITLE, "Title Your Composition", 0, 0, 209, 111,
          {
              {CtlLText, IDC_STATIC, "If you would like to give your composition a title, enter it here.", 9, 8, 82, 35},
              {CtlEdit, IDC_TITLE_EDIT, "", 96, 13, 102, 13},
              {CtlLText, IDC_STATIC, "Type the composer's name  (your name) here.", 8, 44, 69, 31},
              {CtlEdit, IDC_COMPOSER_EDIT, "", 96, 47, 102, 12},
              {CtlDefPushButton, IDOK, "OK", 52, 87, 50, 14},
              {CtlPushButton, IDCANCEL, "Cancel", 111, 87, 50, 14},
          }};
}
