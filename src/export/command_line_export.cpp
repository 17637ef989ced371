// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/command_line_export.h"

#include "doc/voldrim_doc.h"
#include "export/melody_export.h"
#include "export/melody_import.h"
#include "framework/message_box.h"
#include "framework/native_path.h"
#include "framework/ui_responder.h"
#include "import/import_file.h"
#include "sound/midi_output_system.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr const char* kCommandName = "voldrim";
const QString kMelodyExtension = QStringLiteral("vdm");

// The document opens a MIDI output when it is made; this one sounds nothing
// and opens no device or synthesizer.
class CSilentMidiOutput : public CMidiOutputSystem {
public:
    UINT GetNumDevs() override { return 1; }
    CString GetProductName(int) override { return QStringLiteral("Silent"); }
    MMRESULT Open(int, HMIDIOUT* handle) override
    {
        *handle = &m_port;
        return MMSYSERR_NOERROR;
    }
    MMRESULT ShortMsg(HMIDIOUT, DWORD) override { return MMSYSERR_NOERROR; }
    MMRESULT Close(HMIDIOUT) override { return MMSYSERR_NOERROR; }

private:
    CMidiOutPort m_port;
    CServiceOverride<CMidiOutputSystem> m_installed{this};
};

// Keeps the messages the program would show, the first of them to be said
// on the command line, and answers no dialog.
class CMessageKeeper : public CUiResponder {
public:
    int OnMessageBox(const CString& text, UINT) override
    {
        if (m_strFirst.isEmpty())
            m_strFirst = text;
        return IDOK;
    }
    int OnDialog(CDialog&) override { return IDCANCEL; }
    // What went wrong, in the program's words.
    CString First() const { return m_strFirst.isEmpty() ? QStringLiteral("Failed to open document.") : m_strFirst; }

private:
    CString m_strFirst;
    CServiceOverride<CUiResponder> m_installed{this};
};

ExportStatus Fail(QTextStream& errors, ExportStatus status, const CString& path, const CString& message)
{
    // Messages such as "Unexpected file format." do not name the file.
    const CString shown = AfxDisplayPath(path);
    const CString line = message.contains(shown) ? message : shown + QStringLiteral(": ") + message;
    errors << kCommandName << ": " << line << Qt::endl;
    return status;
}

// A melody file, or another program's file imported as File, Import
// Melody does with its first part; false when it could not be read.
bool ReadMelody(CVoldrimDoc& doc, const CString& path, CString& failure, QTextStream& errors)
{
    if (!IsImportFile(path))
        return doc.OnOpenDocument(path);
    const ImportOutcome outcome = ImportMelodyFile(doc, path, FirstPart, ReplaceQuestion());
    if (outcome.result != ImportOutcome::Imported) {
        failure = outcome.message;
        return false;
    }
    errors << kCommandName << ": " << AfxDisplayPath(path) << ": " << outcome.message << Qt::endl;
    return true;
}

// What the output's extension asks for: a melody file or an export.
bool IsMelodyFile(const CString& path)
{
    return QFileInfo(path).suffix().toLower() == kMelodyExtension;
}

} // namespace

ExportStatus ExportMelodyFile(const CString& melodyPath, const CString& outputPath, const Meter& meter,
                              QTextStream& errors)
{
    const bool melodyFile = IsMelodyFile(outputPath);
    const std::optional<ExportFormat> format = ExportFormatOfFile(outputPath);
    if (!format && !melodyFile) {
        return Fail(errors, ExportMisused, outputPath,
                    QStringLiteral("Unknown export format; name a .musicxml, .mid, .pdf or .vdm file."));
    }
    if (!meter.IsNone() && (melodyFile || !ExportFormatHasMeter(*format)))
        return Fail(errors, ExportMisused, outputPath, QStringLiteral("--meter is for .musicxml and .mid files."));
    CSilentMidiOutput silence;
    CMessageKeeper messages;
    CVoldrimDoc doc;
    CString failure;
    if (!ReadMelody(doc, melodyPath, failure, errors))
        return Fail(errors, ExportFailed, melodyPath, failure.isEmpty() ? messages.First() : failure);
    if (melodyFile) {
        if (!doc.OnSaveDocument(outputPath))
            return Fail(errors, ExportFailed, outputPath, messages.First());
        return ExportDone;
    }
    if (const CString exportFailure = ExportMelody(doc, outputPath, *format, nullptr, meter); !exportFailure.isEmpty())
        return Fail(errors, ExportFailed, outputPath, exportFailure);
    return ExportDone;
}
