// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CWinApp: the application's printer and Print Setup.
#include "framework/print_dialogs.h"
#include "framework/win_app.h"

#include <QPrinter>

QPrinter& CWinApp::GetPrinter()
{
    // Made at first use: looking for the system's printers takes a moment.
    if (!m_pPrinter)
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}

void CWinApp::OnFilePrintSetup()
{
    AfxGetPrintDialogs()->SetUpPage(GetPrinter());
}

QPrinter* AfxGetPrinter()
{
    CWinApp* app = AfxGetApp();
    return app ? &app->GetPrinter() : nullptr;
}
