// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Title button: the melody's title and composer, shown in the caption
// of the main window.
#include "doc/voldrim_doc.h"
#include "framework/frame_wnd.h"
#include "framework/win_app.h"
#include "views/staff/staff_view.h"
#include "views/staff/title_dlg.h"

void CStaffView::OnTitle()
{
    CVoldrimDoc* doc = GetDocument();
    if (!doc || doc->m_bPlaying)
        return;
    CTitleDlg dialog(AfxGetMainWnd());
    dialog.m_strTitle = doc->m_strMelodyTitle;
    dialog.m_strComposer = doc->m_strMelodyComposer;
    if (dialog.DoModal() == IDOK) {
        CVoldrimDoc::CMelodyChange change(*doc);
        doc->m_strMelodyTitle = dialog.m_strTitle;
        doc->m_strMelodyComposer = dialog.m_strComposer;
        doc->UpdateCaption();
    }
    // The key-up of a held letter may have gone to the dialog.
    doc->ClearHeldKeys();
}
