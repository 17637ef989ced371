// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_file.h"

#include "framework/native_file.h"
#include "import/import_error.h"
#include "import/midi_file_reader.h"
#include "import/musicxml_reader.h"
#include "import/mxl_archive.h"

#include <QFile>
#include <QFileInfo>

namespace {

const char kMidiStart[] = "MThd";
const char* const kExtensions[] = {"musicxml", "xml", "mxl", "mid", "midi"};

} // namespace

CImportFile CImportFile::Read(const CString& path)
{
    // The file of the exact bytes of its name (framework/native_path.h).
    if (!AfxFileFacts(path).exists)
        throw CImportError(ImportProblem::NotFound);
    QFile file;
    // Only a regular file: a device or a pipe might never end.
    if (!AfxOpenForReading(path, file))
        throw CImportError(ImportProblem::AccessDenied);
    if (file.size() > kLargestImportBytes)
        throw CImportError(ImportProblem::TooLarge);
    const QByteArray bytes = file.read(kLargestImportBytes + 1);
    if (bytes.size() > kLargestImportBytes)
        throw CImportError(ImportProblem::TooLarge);
    return FromBytes(bytes);
}

CImportFile CImportFile::FromBytes(const QByteArray& bytes)
{
    if (bytes.startsWith(kMidiStart))
        return CImportFile(true, bytes);
    if (IsZipArchive(bytes))
        return CImportFile(false, UnpackMusicXml(bytes));
    return CImportFile(false, bytes);
}

PartNames CImportFile::Parts() const
{
    return m_bMidi ? MidiFileParts(m_bytes) : MusicXmlParts(m_bytes);
}

ScoreLine CImportFile::Line(std::size_t part, std::size_t mostNotes) const
{
    return m_bMidi ? ReadMidiFileLine(m_bytes, part, mostNotes) : ReadMusicXmlLine(m_bytes, part, mostNotes);
}

bool IsImportFile(const CString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const char* extension : kExtensions) {
        if (suffix == QLatin1String(extension))
            return true;
    }
    return false;
}

CString ImportFilters()
{
    return QStringLiteral("Scores and MIDI Files (*.musicxml *.xml *.mxl *.mid *.midi);;"
                          "MusicXML Files (*.musicxml *.xml *.mxl);;MIDI Files (*.mid *.midi)");
}
