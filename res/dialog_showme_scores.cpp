// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Show Me Scores: the counts of right and wrong answers, and a button that
// sets both to zero.
#include "framework/message_box.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

DialogTemplate ShowMeScoresDialogTemplate()
{
    return {IDD_SHOWME_SCORES, "Show Me Scores", 0, 0, 141, 74,
          {
              {CtlDefPushButton, IDOK, "Close", 19, 54, 50, 13},
              {CtlIcon, IDC_STATIC, "130", 8, 4, 18, 20},
              {CtlIcon, IDC_STATIC, "131", 8, 28, 18, 20},
              {CtlCText, IDC_CORRECT_COUNT, "Static", 37, 11, 22, 13},
              {CtlCText, IDC_INCORRECT_COUNT, "Static", 37, 33, 22, 15},
              {CtlLText, IDC_STATIC, "Correct answers!", 70, 11, 65, 13},
              {CtlLText, IDC_STATIC, "Incorrect answers!", 70, 33, 66, 15},
              {CtlPushButton, IDC_RESET_SCORES, "&Reset", 77, 54, 49, 13},
          }};
}
