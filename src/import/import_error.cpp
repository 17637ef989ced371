// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_error.h"

#include "framework/native_path.h"

CString CImportError::Message(const CString& path) const
{
    const char* text = "";
    switch (m_problem) {
    case ImportProblem::NotFound: text = "%1 was not found."; break;
    case ImportProblem::AccessDenied: text = "Access to %1 was denied."; break;
    case ImportProblem::TooLarge: text = "%1 is too large to import: a score or MIDI file may have 64 MB."; break;
    case ImportProblem::NotMusicXml: text = "%1 is not a MusicXML score."; break;
    case ImportProblem::NoScoreInZip: text = "%1 is a compressed file that holds no MusicXML score."; break;
    case ImportProblem::NoUnzipping:
        text = "%1 is a compressed file, and libzip, which Voldrim unpacks it with, could not be loaded.";
        break;
    case ImportProblem::NotMidi: text = "%1 is not a Standard MIDI File."; break;
    case ImportProblem::UnsupportedMidi:
        text = "%1 is a kind of MIDI file Voldrim cannot import: only formats 0 and 1, timed in beats.";
        break;
    case ImportProblem::Damaged: text = "%1 is damaged and cannot be imported."; break;
    case ImportProblem::XmlFeatures:
        text = "%1 uses XML entities or nests its elements too deeply; Voldrim does not import it.";
        break;
    case ImportProblem::NoNotes: text = "%1 holds no notes to import."; break;
    case ImportProblem::TooManyNotes: text = "%1 holds more notes than a melody can (100,000)."; break;
    case ImportProblem::TooManyParts: text = "%1 holds more parts than Voldrim can list (1,000)."; break;
    }
    // A name that is not UTF-8 shows its odd bytes as U+FFFD.
    return QString::fromLatin1(text).arg(AfxDisplayPath(path));
}
