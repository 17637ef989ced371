// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds bytes to the Standard MIDI File reader, as File, Import Melody
// reads a MIDI file.
#include "import/midi_file_reader.h"
#include "import_fuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    import_fuzzing::Import(import_fuzzing::BytesOf(data, size), MidiFileParts, ReadMidiFileLine);
    return 0;
}
