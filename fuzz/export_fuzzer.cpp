// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds bytes to the melody file reader as File Open does, and writes a
// melody that loads as MusicXML and as a Standard MIDI File, as Export
// does. Each file is read back by a reader of the fuzz target's own
// (support/export_checks.h): a fault it finds aborts.
#include "doc/voldrim_doc.h"
#include "export/melody_notes.h"
#include "export/midi_file_writer.h"
#include "export/musicxml_writer.h"
#include "support/export_checks.h"
#include "support/fuzz_harness.h"
#include "support/recording_midi_output.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace {

struct CProgram {
    CRecordingMidiOutput midi;
    std::unique_ptr<CVoldrimDoc> doc;
};

CProgram* g_program = nullptr;

void CheckFile(const char* format, const std::string& fault)
{
    if (!fault.empty())
        std::fprintf(stderr, "export_fuzzer: the %s file: %s\n", format, fault.c_str());
    FuzzCheck(fault.empty(), "an exported file that a reader would refuse");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzTarget("export_fuzzer");
    // The program lives as long as the process.
    g_program = new CProgram();
    g_program->doc = std::make_unique<CVoldrimDoc>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CVoldrimDoc& doc = *g_program->doc;
    if (!OpenMelodyBytes(doc, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))) ||
        doc.m_melody.size() > kMostRecordsWrittenOut)
        return 0;
    const ShownMelody shown = ShownMelodyOf(doc.m_melody);
    CheckFile("MusicXML", MusicXmlFault(MelodyToMusicXml(ScoreMelodyOf(doc)), shown));
    CheckFile("MIDI", MidiFileFault(MelodyToMidiFile(ScoreMelodyOf(doc)), shown));
    return 0;
}
