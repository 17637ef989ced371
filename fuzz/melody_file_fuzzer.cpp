// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds bytes to the melody file reader as File Open does. A file that
// loads is written into a staff, played for a bounded number of ticks
// through a recording MIDI output, and saved; what is saved must load
// again and save to the same bytes. A file that does not load must leave
// an empty document.
#include "doc/voldrim_doc.h"
#include "framework/message_box.h"
#include "framework/ui_responder.h"
#include "res/program_resources.h"
#include "res/resource.h"
#include "support/recording_midi_output.h"
#include "views/staff/staff_view.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// Answers every message box as a user would who wants to go on.
class CAnsweringResponder : public CUiResponder {
public:
    int OnMessageBox(const CString&, UINT type) override { return (type & MB_YESNO) == MB_YESNO ? IDNO : IDOK; }
    int OnDialog(CDialog&) override { return IDCANCEL; }
};

// Saving syncs the file to disk, which would set the pace; files live in
// memory where the machine offers it.
QString FolderTemplate()
{
    const QDir memory(QStringLiteral("/dev/shm"));
    return (memory.exists() ? memory.path() : QDir::tempPath()) + QStringLiteral("/melody_file_fuzzer-XXXXXX");
}

struct CProgram {
    CRecordingMidiOutput midi;
    CAnsweringResponder responder;
    QTemporaryDir folder{FolderTemplate()};
    std::unique_ptr<CVoldrimDoc> doc;
    std::unique_ptr<CStaffView> staff;
};

CProgram* g_program = nullptr;

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "melody_file_fuzzer: %s\n", what);
        std::abort();
    }
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "cannot write the input file");
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    Check(file.open(QIODevice::ReadOnly), "cannot read a saved file");
    return file.readAll();
}

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
    Check(!program.doc->m_bPlaying, "the playback did not stop within a note");

    std::set<DWORD> sounding;
    for (DWORD word : program.midi.AllWords()) {
        const DWORD status = word & kStatusMask;
        const DWORD note = word >> 8 & 0xFF;
        if (status != kNoteOn && status != kNoteOff)
            continue;
        Check(note < kFirstNonDataByte, "a note that is no MIDI note was sent");
        if (status == kNoteOn)
            sounding.insert(note);
        else
            sounding.erase(note);
    }
    Check(sounding.empty(), "a note still sounds after the playback");
}

// Saves, opens what was saved and saves again: the two files are equal.
void SaveTwice(CProgram& program)
{
    const QString saved = program.folder.filePath("saved.vdm");
    Check(program.doc->OnSaveDocument(saved), "a melody that loaded does not save");
    const QByteArray first = ReadFile(saved);
    Check(program.doc->OnOpenDocument(saved), "a saved melody does not load");
    Check(program.doc->OnSaveDocument(saved), "a saved melody does not save again");
    Check(ReadFile(saved) == first, "saving a saved melody changes it");
}

} // namespace

// Font configuration keeps a cache it never frees; that is no finding.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps the arguments; the fuzzer's own are not for it.
    static int argc = 1;
    static char name[] = "melody_file_fuzzer";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    RegisterProgramResources();

    g_program = new CProgram();
    // The program lives as long as the process; only its folder is removed.
    std::atexit([] { g_program->folder.remove(); });
    CService<CUiResponder>::Install(&g_program->responder);
    g_program->doc = std::make_unique<CVoldrimDoc>();
    g_program->staff = std::make_unique<CStaffView>();
    Check(g_program->staff->CreateView(nullptr, g_program->doc.get(), CSize(kStaffWidth, kStaffHeight)),
          "cannot create the staff");
    g_program->staff->resize(kStaffWidth, kStaffHeight);
    Paint(*g_program->staff);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CProgram& program = *g_program;
    const QString input = program.folder.filePath("input.vdm");
    WriteFile(input, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!program.doc->OnOpenDocument(input)) {
        Check(program.doc->m_melody.empty() && program.doc->m_strMelodyTitle.isEmpty(),
              "a file that did not load left a melody");
        return 0;
    }
    Paint(*program.staff);
    Play(program);
    SaveTwice(program);
    return 0;
}
