// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/document.h"

#include "framework/command_ids.h"
#include "framework/message_box.h"
#include "framework/native_path.h"
#include "framework/view.h"

#include <QFileInfo>

#include <algorithm>

CDocument::CDocument()
{
    MapCommand(ID_FILE_SAVE, [this] { OnFileSave(); });
    MapCommand(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
}

void CDocument::AddView(CView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CDocument::RemoveView(CView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject)
{
    // Copy: a view's update may not add or remove views, but be safe.
    const std::vector<CView*> views = m_views;
    for (CView* view : views) {
        if (view != sender)
            view->OnUpdate(sender, hint, hintObject);
    }
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    m_bEmptiedByFailedRead = false;
    SetModifiedFlag(false);
    return TRUE;
}

void CDocument::Serialize(CArchive&) {}

CString CDocument::GetTitle() const
{
    if (m_strPathName.isEmpty())
        return QStringLiteral("Untitled");
    return AfxDisplayPath(QFileInfo(m_strPathName).fileName());
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    const CString question = QStringLiteral("Save changes to %1?").arg(GetTitle());
    switch (AfxMessageBox(question, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return DoSave(GetPathName());
    case IDNO:
        return TRUE;
    default:
        return FALSE;
    }
}
