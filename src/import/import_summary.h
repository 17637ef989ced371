// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message that tells what an import took in and what it changed or
// left out: "42 notes imported. 6 sixteenths were written as eighths; 2
// notes above E4 were moved down an octave."
#include "framework/types.h"
#include "import/staff_fitting.h"

CString ImportSummary(const ImportReport& report);
