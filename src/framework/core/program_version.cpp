// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/program_version.h"

const char* ProgramVersion()
{
    return VOLDRIM_VERSION;
}
