// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Help: topics of the program's help opened by context id. The viewer is
// a service that tests replace to see which topic was asked for.
#include "framework/service.h"
#include "framework/types.h"

enum HelpCommand : UINT { HELP_CONTEXT = 0x1, HELP_QUIT = 0x2, HELP_FINDER = 0xB };

class CHelpViewer {
public:
    virtual ~CHelpViewer() = default;
    virtual void ShowHelp(const CString& helpFile, UINT command, DWORD data) = 0;
};

// A help window is the default viewer.
template <>
struct CServiceDefault<CHelpViewer> {
    static CHelpViewer* Get();
};

// The viewer in use.
inline CHelpViewer* AfxGetHelpViewer() { return CService<CHelpViewer>::Get(); }
// The help file: the program's path with the extension ".HLP".
CString AfxGetHelpFilePath();
