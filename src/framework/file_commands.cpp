// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File Open, Save and Save As: the file dialogs, and the document
// template opening a file into its one document.
#include "framework/document.h"
#include "framework/file_dialog.h"
#include "framework/frame_wnd.h"
#include "framework/win_app.h"

void CWinApp::OnFileOpen()
{
    const CString path = DoPromptFileName(CString(), true);
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

CDocument* CWinApp::OpenDocumentFile(const CString& path)
{
    return m_template ? m_template->OpenDocumentFile(&path) : nullptr;
}

CString CWinApp::DoPromptFileName(const CString& proposed, bool openFileDialog)
{
    CFileDialogRequest request;
    request.m_bOpen = openFileDialog;
    request.m_strFileName = proposed;
    if (m_template) {
        request.m_strFilter = m_template->GetDocString(filterName);
        CString extension = m_template->GetDocString(filterExt);
        if (extension.startsWith(QLatin1Char('.')))
            extension.remove(0, 1);
        request.m_strDefExt = extension;
    }
    return AfxGetFileDialogService()->ChooseFile(request, m_pMainWnd);
}

bool CSingleDocTemplate::OpenIntoDocument(const CString& path)
{
    if (m_pDocument->OnOpenDocument(path)) {
        m_pDocument->SetPathName(path);
        return true;
    }
    // The document has been emptied by a read that failed: it starts
    // again as File New leaves it. Otherwise it is as it was.
    if (m_pDocument->WasEmptiedByFailedRead())
        m_pDocument->OnNewDocument();
    return false;
}

void CDocument::OnFileSave()
{
    DoSave(GetPathName());
}

void CDocument::OnFileSaveAs()
{
    DoSave(CString());
}

BOOL CDocument::DoSave(const CString& path)
{
    CString name = path;
    if (name.isEmpty()) {
        CWinApp* app = AfxGetApp();
        if (!app)
            return FALSE;
        CString proposed = GetPathName();
        if (proposed.isEmpty() && app->GetDocTemplate()) {
            // A document string without a base name stands for "Untitled".
            CString base = app->GetDocTemplate()->GetDocString(docName);
            if (base.isEmpty())
                base = QStringLiteral("Untitled");
            proposed = base + app->GetDocTemplate()->GetDocString(filterExt);
        }
        name = app->DoPromptFileName(proposed, false);
        if (name.isEmpty())
            return FALSE;
    }
    if (!OnSaveDocument(name))
        return FALSE;
    SetPathName(name);
    return TRUE;
}
