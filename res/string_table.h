// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's string table: numbered texts that the program loads by id.
#include "framework/types.h"

// The text of string id; empty when the table has no such entry.
CString ProgramString(UINT id);
