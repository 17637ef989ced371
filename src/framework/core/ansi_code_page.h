// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text in files is one byte per character in the Windows-1252 code page
// (the ANSI code page of Western Windows systems); a character the code
// page lacks is written as "?".
#include "framework/types.h"

#include <QByteArray>

QByteArray AfxToAnsi(const CString& text);
CString AfxFromAnsi(const QByteArray& bytes);
