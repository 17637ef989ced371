// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/melody_export.h"

#include "export/melody_notes.h"
#include "export/midi_file_writer.h"
#include "export/musicxml_writer.h"
#include "export/pdf_pages.h"
#include "framework/save_file.h"

#include <QFileInfo>
#include <QIODevice>

namespace {

struct FormatEntry {
    ExportFormat format;
    const char* filter;
    const char* extensions[2]; // the second may be null
};

const FormatEntry kFormats[] = {
    {ExportFormat::MusicXml, "MusicXML Files (*.musicxml)", {"musicxml", "xml"}},
    {ExportFormat::MidiFile, "MIDI Files (*.mid)", {"mid", "midi"}},
    {ExportFormat::Pdf, "PDF Files (*.pdf)", {"pdf", nullptr}},
};

const FormatEntry& EntryOf(ExportFormat format)
{
    for (const FormatEntry& entry : kFormats) {
        if (entry.format == format)
            return entry;
    }
    return kFormats[0];
}

} // namespace

std::optional<ExportFormat> ExportFormatOfFile(const CString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatEntry& entry : kFormats) {
        for (const char* extension : entry.extensions) {
            if (extension && suffix == QLatin1String(extension))
                return entry.format;
        }
    }
    return std::nullopt;
}

CString ExportFilters()
{
    QStringList filters;
    for (const FormatEntry& entry : kFormats)
        filters << QLatin1String(entry.filter);
    return filters.join(QStringLiteral(";;"));
}

std::optional<ExportFormat> ExportFormatOfFilter(const CString& filter)
{
    for (const FormatEntry& entry : kFormats) {
        if (filter == QLatin1String(entry.filter))
            return entry.format;
    }
    return std::nullopt;
}

CString ExportExtension(ExportFormat format)
{
    return QLatin1String(EntryOf(format).extensions[0]);
}

bool ExportFormatHasMeter(ExportFormat format)
{
    return format != ExportFormat::Pdf;
}

CString ExportMelody(CVoldrimDoc& doc, const CString& path, ExportFormat format, const QPageLayout* pageLayout,
                     const Meter& meter)
{
    return AfxSaveFile(path, [&](QIODevice& device) {
        switch (format) {
        case ExportFormat::MusicXml: return WriteMusicXml(ScoreMelodyOf(doc), device, meter);
        case ExportFormat::MidiFile: return WriteMidiFile(ScoreMelodyOf(doc), device, meter);
        case ExportFormat::Pdf: return PrintMelodyToPdf(doc, pageLayout, device);
        }
        return false;
    });
}
