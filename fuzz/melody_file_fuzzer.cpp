// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds bytes to the melody file reader as File Open does. A file that
// loads is written into a staff, played for a bounded number of ticks
// through a recording MIDI output, and saved; what is saved must load
// again and save to the same bytes. A file that does not load must leave
// an empty document.
#include "doc/voldrim_doc.h"
#include "res/resource.h"
#include "support/file_bytes.h"
#include "support/fuzz_harness.h"
#include "support/recording_midi_output.h"
#include "views/staff/staff_view.h"

#include <QApplication>

#include <cstdint>
#include <memory>
#include <set>

namespace {

// Ticks of one eighth note: a playback runs this long before Stop, and a
// whole note, the longest, is over within 8 more.
constexpr int kTicksPlayed = 64;
constexpr int kLongestNoteTicks = 8;
// A staff of two systems.
constexpr int kStaffWidth = 600;
constexpr int kStaffHeight = 450;

constexpr DWORD kStatusMask = 0xF0;
constexpr DWORD kNoteOn = 0x90;
constexpr DWORD kNoteOff = 0x80;
constexpr DWORD kFirstNonDataByte = 0x80;

struct CProgram {
    CRecordingMidiOutput midi;
    std::unique_ptr<CVoldrimDoc> doc;
    std::unique_ptr<CStaffView> staff;
};

CProgram* g_program = nullptr;

void Paint(CStaffView& staff)
{
    QApplication::processEvents();
    staff.UpdateWindow();
}

// Plays, stops, and checks that the playback ended within one note and
// left no note sounding.
void Play(CProgram& program)
{
    CStaffView& staff = *program.staff;
    program.midi.ClearWords();
    staff.OnCmdMsg(ID_PLAY);
    for (int tick = 0; tick < kTicksPlayed && program.doc->m_bPlaying; ++tick)
        staff.Timers().Fire(CStaffView::kPlaybackTimer);
    staff.OnCmdMsg(IDC_STOP_BUTTON);
    for (int tick = 0; tick <= kLongestNoteTicks && program.doc->m_bPlaying; ++tick)
        staff.Timers().Fire(CStaffView::kPlaybackTimer);
    FuzzCheck(!program.doc->m_bPlaying, "the playback did not stop within a note");

    std::set<DWORD> sounding;
    for (DWORD word : program.midi.AllWords()) {
        const DWORD status = word & kStatusMask;
        const DWORD note = word >> 8 & 0xFF;
        if (status != kNoteOn && status != kNoteOff)
            continue;
        FuzzCheck(note < kFirstNonDataByte, "a note that is no MIDI note was sent");
        if (status == kNoteOn)
            sounding.insert(note);
        else
            sounding.erase(note);
    }
    FuzzCheck(sounding.empty(), "a note still sounds after the playback");
}

// Saves, opens what was saved and saves again: the two files are equal.
void SaveTwice(CProgram& program)
{
    const QString saved = FuzzFolder().filePath(QStringLiteral("saved.vdm"));
    FuzzCheck(program.doc->OnSaveDocument(saved), "a melody that loaded does not save");
    const QByteArray first = ReadFileBytes(saved);
    FuzzCheck(!first.isEmpty(), "cannot read a saved file");
    FuzzCheck(program.doc->OnOpenDocument(saved), "a saved melody does not load");
    FuzzCheck(program.doc->OnSaveDocument(saved), "a saved melody does not save again");
    FuzzCheck(ReadFileBytes(saved) == first, "saving a saved melody changes it");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzTarget("melody_file_fuzzer");
    // The program lives as long as the process.
    g_program = new CProgram();
    g_program->doc = std::make_unique<CVoldrimDoc>();
    g_program->staff = std::make_unique<CStaffView>();
    FuzzCheck(g_program->staff->CreateView(nullptr, g_program->doc.get(), CSize(kStaffWidth, kStaffHeight)),
              "cannot create the staff");
    g_program->staff->resize(kStaffWidth, kStaffHeight);
    Paint(*g_program->staff);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CProgram& program = *g_program;
    if (!OpenMelodyBytes(*program.doc, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))) ||
        program.doc->m_melody.size() > kMostRecordsWrittenOut)
        return 0;
    Paint(*program.staff);
    Play(program);
    SaveTwice(program);
    return 0;
}
