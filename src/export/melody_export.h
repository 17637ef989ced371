// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exporting the melody to a file in one of three formats, chosen by the
// file dialog's filter or by the file's extension.
#include "export/meter.h"
#include "framework/types.h"

#include <optional>

class CVoldrimDoc;
class QPageLayout;

enum class ExportFormat { MusicXml, MidiFile, Pdf };

// The format the file's extension names: ".musicxml" or ".xml", ".mid" or
// ".midi", ".pdf", in any letter case; none for any other.
std::optional<ExportFormat> ExportFormatOfFile(const CString& path);

// The export dialog's filters, one per format, MusicXML first, separated
// by ";;"; the format of one of them, none for another text.
CString ExportFilters();
std::optional<ExportFormat> ExportFormatOfFilter(const CString& filter);

// The extension, without its dot, that a file of the format is given.
CString ExportExtension(ExportFormat format);

// Writes the melody to the file, which is replaced only once every byte is
// written. The pages of a PDF take the layout given (paper and margins),
// or the printer's own; MusicXML and MIDI files the meter, if any.
// Returns the framework's file-error message when the file could not be
// written, an empty text when it is.
CString ExportMelody(CVoldrimDoc& doc, const CString& path, ExportFormat format,
                     const QPageLayout* pageLayout = nullptr, const Meter& meter = Meter());
// Whether the format can carry a meter: MusicXML and MIDI.
bool ExportFormatHasMeter(ExportFormat format);
