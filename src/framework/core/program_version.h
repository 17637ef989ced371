// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's version, "1.1", as the build names it.
const char* ProgramVersion();
