#pragma once
// Help: topics of the program's help opened by context id. The viewer is
// a service that tests replace to see which topic was asked for.
#include "framework/types.h"

enum HelpCommand : UINT { HELP_CONTEXT = 0x1, HELP_QUIT = 0x2, HELP_FINDER = 0xB };

class CHelpViewer {
public:
    virtual ~CHelpViewer() = default;
    virtual void ShowHelp(const CString& helpFile, UINT command, DWORD data) = 0;
};

// The viewer in use; a help window by default.
CHelpViewer* AfxGetHelpViewer();
// Replaces the viewer (null restores the help window). Not owned.
void AfxSetHelpViewer(CHelpViewer* viewer);
// The help file: the program's path with the extension ".HLP".
CString AfxGetHelpFilePath();
