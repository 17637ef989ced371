// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A melody from another program's file put in place of the document's, as
// File, Import Melody and the command line do: the part chosen, fitted to
// the staff, at the nearest of the twenty tempos, and a summary of what
// changed on the way.
#include "framework/types.h"
#include "import/score_line.h"

#include <functional>
#include <optional>

class CVoldrimDoc;

// Picks one of the parts, or none to cancel; asked only when there are
// several.
using PartChooser = std::function<std::optional<std::size_t>(const PartNames&)>;
// Asked once the file has been read, before the melody is replaced; false
// keeps the melody.
using ReplaceQuestion = std::function<bool()>;

struct ImportOutcome {
    enum Result { Imported, Failed, Cancelled };
    Result result = Cancelled;
    // What was imported and changed, or why nothing was.
    CString message;
};

// A failure leaves the document as it was.
ImportOutcome ImportMelodyFile(CVoldrimDoc& doc, const CString& path, const PartChooser& choosePart,
                               const ReplaceQuestion& mayReplace);

// The first part, asking no one.
std::optional<std::size_t> FirstPart(const PartNames& parts);
