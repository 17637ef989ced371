// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds bytes to the MusicXML reader, plain and compressed (.mxl), as File,
// Import Melody reads a score.
#include "import/musicxml_reader.h"
#include "import/mxl_archive.h"
#include "import_fuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray score = import_fuzzing::BytesOf(data, size);
    try {
        if (IsZipArchive(score))
            score = UnpackMusicXml(score);
    } catch (const CImportError&) {
        return 0;
    }
    import_fuzzing::Import(score, MusicXmlParts, ReadMusicXmlLine);
    return 0;
}
