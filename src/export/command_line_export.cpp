// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/command_line_export.h"

#include "doc/voldrim_doc.h"
#include "export/melody_export.h"
#include "framework/message_box.h"
#include "framework/native_path.h"
#include "framework/ui_responder.h"
#include "sound/midi_output_system.h"

#include <QTextStream>

namespace {

constexpr const char* kCommandName = "voldrim";

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

} // namespace

ExportStatus ExportMelodyFile(const CString& melodyPath, const CString& outputPath, QTextStream& errors)
{
    const std::optional<ExportFormat> format = ExportFormatOfFile(outputPath);
    if (!format) {
        return Fail(errors, ExportMisused, outputPath,
                    QStringLiteral("Unknown export format; name a .musicxml, .mid or .pdf file."));
    }
    CSilentMidiOutput silence;
    CMessageKeeper messages;
    CVoldrimDoc doc;
    if (!doc.OnOpenDocument(melodyPath))
        return Fail(errors, ExportFailed, melodyPath, messages.First());
    if (const CString failure = ExportMelody(doc, outputPath, *format); !failure.isEmpty())
        return Fail(errors, ExportFailed, outputPath, failure);
    return ExportDone;
}
