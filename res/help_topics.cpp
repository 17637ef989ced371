// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which help page answers which help context.
#include "res/program_resources.h"
#include "res/resource.h"

CString ProgramHelpPage(DWORD contextId)
{
    switch (contextId) {
    case HELP_CONTEXT_RHYTHM: return QStringLiteral(":/res/help/rhythm.html");
    case HELP_CONTEXT_LESSONS: return QStringLiteral(":/res/help/lessons.html");
    default: return QStringLiteral(":/res/help/contents.html");
    }
}
