// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File, Export Melody: the melody to a MusicXML, MIDI or PDF file, the
// format chosen by the file dialog's filter; MusicXML and MIDI in the
// meter chosen next.
#include "app/export_meter_dlg.h"
#include "app/voldrim_app.h"
#include "doc/voldrim_doc.h"
#include "export/melody_export.h"
#include "framework/file_dialog.h"
#include "framework/frame_wnd.h"
#include "framework/message_box.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace {

// The melody file's name without its extension, in its folder; a melody
// never saved is "Untitled".
CString ProposedExportName(const CVoldrimDoc& doc)
{
    if (doc.GetPathName().isEmpty())
        return QStringLiteral("Untitled");
    const QFileInfo melody(doc.GetPathName());
    return melody.dir().filePath(melody.completeBaseName());
}

} // namespace

void CVoldrimApp::OnFileExport()
{
    auto* doc = GetDocTemplate() ? static_cast<CVoldrimDoc*>(GetDocTemplate()->GetDocument()) : nullptr;
    // Refused while a melody plays, as the other file commands are.
    if (!doc || doc->m_bPlaying)
        return;
    CString filter;
    CFileDialogRequest request;
    request.m_bOpen = false;
    request.m_strFileName = ProposedExportName(*doc);
    request.m_strFilter = ExportFilters();
    request.m_strDefExt = ExportExtension(ExportFormat::MusicXml);
    request.m_pChosenFilter = &filter;
    const CString path = AfxGetFileDialogService()->ChooseFile(request, m_pMainWnd);
    if (path.isEmpty())
        return;
    // A dialog that names no filter leaves the choice to the extension,
    // then to the first filter.
    const ExportFormat format =
        ExportFormatOfFilter(filter).value_or(ExportFormatOfFile(path).value_or(ExportFormat::MusicXml));
    Meter meter;
    if (ExportFormatHasMeter(format)) {
        CExportMeterDlg meterDialog(m_pMainWnd);
        if (meterDialog.DoModal() != IDOK)
            return;
        meter = meterDialog.GetMeter();
    }
    // The pages are those of File Print, on the paper of Print Setup.
    const QPageLayout layout = GetPrinter().pageLayout();
    if (const CString failure = ExportMelody(*doc, path, format, &layout, meter); !failure.isEmpty())
        AfxMessageBox(failure);
}
