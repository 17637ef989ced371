// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File, Import Melody: a MusicXML score or a MIDI file in place of the
// melody, as File, Open Melody puts a melody file.
#include "app/import_part_dlg.h"
#include "app/voldrim_app.h"
#include "doc/voldrim_doc.h"
#include "export/melody_import.h"
#include "framework/file_dialog.h"
#include "framework/frame_wnd.h"
#include "framework/message_box.h"
#include "import/import_file.h"

namespace {

std::optional<std::size_t> ChoosePart(const PartNames& parts)
{
    CImportPartDlg dialog(QStringList(parts.begin(), parts.end()), AfxGetMainWnd());
    if (dialog.DoModal() != IDOK || dialog.m_nPart < 0)
        return std::nullopt;
    return std::size_t(dialog.m_nPart);
}

} // namespace

void CVoldrimApp::OnFileImport()
{
    auto* doc = GetDocTemplate() ? static_cast<CVoldrimDoc*>(GetDocTemplate()->GetDocument()) : nullptr;
    // Refused while a melody plays, as the other file commands are.
    if (!doc || doc->m_bPlaying)
        return;
    CFileDialogRequest request;
    request.m_strFilter = ImportFilters();
    const CString path = AfxGetFileDialogService()->ChooseFile(request, m_pMainWnd);
    if (path.isEmpty())
        return;
    // The melody is thrown away only for one that was read, and only once
    // the user has said what becomes of it.
    const ImportOutcome outcome = ImportMelodyFile(*doc, path, ChoosePart, [doc] { return doc->SaveModified() != FALSE; });
    if (outcome.result != ImportOutcome::Cancelled)
        AfxMessageBox(outcome.message);
}
