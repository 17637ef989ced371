// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Melody files: the bytes written, the forms read, and what a damaged or
// unreachable file leaves behind.
#include "doc/voldrim_doc.h"
#include "framework/native_path.h"
#include "model/key.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "support/full_disk.h"
#include "support/recording_midi_output.h"
#include "support/scripted_responder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Hex(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

// Key C, tempo 600, no title, no composer.
const QByteArray kHeader = Hex("01000000 58020000 00 00");
const QByteArray kFirstRecord = Hex("ffff 0000 0b00") + "CNoteSeries" + Hex("30000000 02000000");
// A C quarter note and a rest: the 47 bytes of the format's example.
const QByteArray kExample = kHeader + Hex("0200") + kFirstRecord + Hex("0180 e7030000 e7030000");
const QByteArray kEmptyMelody = kHeader + Hex("0000");

// The recording MIDI output, installed before the document opens its device.
struct InstalledMidi {
    CRecordingMidiOutput m_midi;
};

class MelodyFile : public ::testing::Test {
protected:

    QString Write(const QByteArray& bytes, const QString& name = "melody.vdm") { return m_folder.Write(bytes, name); }
    static QByteArray Read(const QString& path) { return ReadFileBytes(path); }
    // Opens the bytes as a file, expecting the given message (none if empty).
    bool Open(const QByteArray& bytes, const char* message = nullptr)
    {
        if (message)
            m_responder.ExpectMessageBox();
        const size_t before = m_responder.Texts().size();
        const bool opened = m_doc.OnOpenDocument(Write(bytes));
        if (message && m_responder.Texts().size() > before) {
            EXPECT_EQ(m_responder.Texts().back(), message);
        }
        return opened;
    }
    QByteArray Saved()
    {
        const QString path = m_folder.filePath("saved.vdm");
        EXPECT_TRUE(m_doc.OnSaveDocument(path));
        return Read(path);
    }
    void AddRecord(int pitch, int value)
    {
        m_doc.m_melody.push_back(std::make_unique<CNoteSeries>(static_cast<NoteValue>(value), pitch));
    }
    std::vector<std::pair<int, int>> Records() const
    {
        std::vector<std::pair<int, int>> records;
        for (const auto& record : m_doc.m_melody)
            records.emplace_back(record->GetPitch(), int(record->GetValue()));
        return records;
    }

    InstalledMidi m_midi;
    CScriptedResponder m_responder;
    CScratchFolder m_folder;
    CVoldrimDoc m_doc;
};

TEST_F(MelodyFile, TheFormatsExamplesComeOutByteForByte)
{
    EXPECT_EQ(Saved(), kEmptyMelody);
    AddRecord(48, 2);
    AddRecord(999, 999);
    EXPECT_EQ(Saved().toHex(), kExample.toHex());
    EXPECT_EQ(kExample.size(), 47);
}

TEST_F(MelodyFile, WhatIsWrittenReadsBackWithAccentsInTheTitle)
{
    m_doc.m_nKey = KeyBb;
    m_doc.m_nTempo = 714;
    m_doc.m_strMelodyTitle = QString::fromUtf8("Élégie für Cello");
    m_doc.m_strMelodyComposer = QString::fromUtf8("Dvořák");
    for (int pitch : {36, 63, 64, 100, 0})
        AddRecord(pitch, 8);
    const QByteArray bytes = Saved();
    EXPECT_TRUE(bytes.startsWith(Hex("05000000 ca020000 10 c96ce9676965 2066fc72") + " Cello" + Hex("06") + "Dvo?\xE1k"));

    m_doc.DeleteContents();
    m_doc.m_nTempo = 600;
    ASSERT_TRUE(Open(bytes));
    EXPECT_EQ(m_doc.m_nKey, KeyBb);
    EXPECT_EQ(m_doc.m_nTempo, 714);
    EXPECT_EQ(m_doc.m_strMelodyTitle, QString::fromUtf8("Élégie für Cello"));
    EXPECT_EQ(m_doc.m_strMelodyComposer, QString::fromUtf8("Dvo?ák"));
    EXPECT_EQ(Records(), (std::vector<std::pair<int, int>>{{36, 8}, {63, 8}, {64, 8}, {100, 8}, {0, 8}}));
    EXPECT_EQ(m_doc.m_bReloadMelody, 1);
    EXPECT_EQ(m_doc.m_bStaffNoteShown, 1);
    EXPECT_EQ(Saved(), bytes);
}

TEST_F(MelodyFile, ReadsEveryFormOfTheArchive)
{
    const QByteArray note = Hex("30000000 02000000");
    const struct {
        const char* form;
        QByteArray bytes;
        CString title;
        size_t records;
    } cases[] = {
        {"255-character title", Hex("01000000 58020000 ff ff00") + QByteArray(255, 'a') + Hex("00 0000"), CString(255, 'a'), 0},
        {"4-byte count", kHeader + Hex("ffff 02000000") + kFirstRecord + Hex("0180") + note, "", 2},
        {"2-byte characters", Hex("01000000 58020000 fffeff02 4100e900 fffeff00 0000"), QString::fromUtf8("Aé"), 0},
        {"4-byte class tag", kHeader + Hex("0200") + kFirstRecord + Hex("ff7f 01000080") + note, "", 2},
        {"back references", kHeader + Hex("0300") + kFirstRecord + Hex("0200 ff7f02000000"), "", 3},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Open(c.bytes)) << c.form;
        EXPECT_EQ(m_doc.m_strMelodyTitle, c.title) << c.form;
        ASSERT_EQ(m_doc.m_melody.size(), c.records) << c.form;
        for (const auto& record : m_doc.m_melody)
            EXPECT_EQ(std::make_pair(record->GetPitch(), record->GetValue()), std::make_pair(48, NoteQuarter)) << c.form;
    }
}

TEST_F(MelodyFile, ADamagedFileLeavesAnEmptyDocumentAndSaysSo)
{
    auto withRecord = [](const char* pitch, const char* value) {
        return kHeader + Hex("0100") + Hex("ffff 0000 0b00") + "CNoteSeries" + Hex(pitch) + Hex(value);
    };
    auto withHeader = [](const char* key, const char* tempo) { return Hex(key) + Hex(tempo) + Hex("00 00 0000"); };
    std::vector<std::pair<std::string, QByteArray>> cases = {
        {"unknown class", kHeader + Hex("0100 ffff 0000 0b00") + "CNoteSerieS" + Hex("30000000 02000000")},
        {"64-character class name", kHeader + Hex("0100 ffff 0000 4000") + QByteArray(64, 'C')},
        {"schema 1", kHeader + Hex("0100 ffff 0100 0b00") + "CNoteSeries" + Hex("30000000 02000000")},
        {"reference ahead", kHeader + Hex("0200") + kFirstRecord + Hex("0300")},
        {"class tag of a record", kHeader + Hex("0200") + kFirstRecord + Hex("0280")},
        {"record tag of a class", kHeader + Hex("0200") + kFirstRecord + Hex("0100")},
        {"null record", kHeader + Hex("0100 0000")},
        {"key 0", withHeader("00000000", "58020000")},
        {"key 7", withHeader("07000000", "58020000")},
        {"tempo 0", withHeader("01000000", "00000000")},
        {"tempo -600", withHeader("01000000", "a8fdffff")},
        {"tempo 2001", withHeader("01000000", "d1070000")},
        {"value 0", withRecord("30000000", "00000000")},
        {"value 5", withRecord("30000000", "05000000")},
        {"value 1000", withRecord("30000000", "e8030000")},
        {"pitch -1", withRecord("ffffffff", "02000000")},
        {"pitch 128", withRecord("80000000", "02000000")},
        {"pitch 998", withRecord("e6030000", "02000000")},
        // More than a melody may hold, refused before it is read.
        {"a 65,536-character title", Hex("01000000 58020000 ff ffff 00000100")},
        {"100,001 records", kHeader + Hex("ffff a1860100") + kFirstRecord},
        {"100,001 back references", kHeader + Hex("ffff a1860100") + kFirstRecord + Hex("0200").repeated(100000)},
    };
    // A file that ends inside any field.
    for (int length = 1; length < kExample.size(); ++length)
        cases.emplace_back("cut at " + std::to_string(length), kExample.left(length));

    for (const auto& [why, bytes] : cases) {
        m_doc.m_strMelodyTitle = "Old";
        m_doc.m_melody.push_back(std::make_unique<CNoteSeries>(NoteQuarter, 50));
        EXPECT_FALSE(Open(bytes, "Unexpected file format.")) << why;
        EXPECT_TRUE(m_doc.m_melody.empty()) << why;
        EXPECT_EQ(m_doc.m_strMelodyTitle, "") << why;
    }
}

TEST_F(MelodyFile, KeyTwoMarksFAndCSharpOutsideTheKey)
{
    ASSERT_TRUE(Open(Hex("02000000") + kExample.mid(4)));
    EXPECT_EQ(m_doc.m_nKey, KeyG);
    for (const auto& stop : m_doc.m_stopList) {
        const bool outside = stop->GetNoteName() == "F" || stop->GetNoteName() == "C#" ||
                             stop->GetNoteName().contains('b');
        EXPECT_EQ(stop->GetKeyStatus(), outside ? KeyStatusOutOfKey : KeyStatusInKey)
            << stop->GetNoteName().toStdString();
    }
}

TEST_F(MelodyFile, AnEmptyFileOpensAsAnEmptyMelodyWithKeyAndTempoKept)
{
    m_doc.m_nKey = KeyD;
    m_doc.m_nTempo = 909;
    AddRecord(48, 2);
    EXPECT_TRUE(Open(QByteArray()));
    EXPECT_TRUE(m_doc.m_melody.empty());
    EXPECT_EQ(m_doc.m_nKey, KeyD);
    EXPECT_EQ(m_doc.m_nTempo, 909);
    EXPECT_TRUE(m_responder.Texts().empty());
}

TEST_F(MelodyFile, AFileThatCannotBeOpenedLeavesTheMelodyAndNamesTheFile)
{
    // Unreadable even for the superuser: the kernel's write-only settings.
    QString unreadable = Write("x", "locked.vdm");
    QFile::setPermissions(unreadable, QFileDevice::WriteOwner);
    if (QFile(unreadable).open(QIODevice::ReadOnly))
        unreadable = "/proc/sys/vm/compact_memory";
    const QString missing = m_folder.filePath("missing.vdm");
    const struct {
        QString path;
        QString message;
    } cases[] = {
        {missing, missing + " was not found."},
        {unreadable, "Access to " + unreadable + " was denied."},
        {m_folder.path(), "Failed to open document."},
    };
    AddRecord(48, 2);
    for (const auto& c : cases) {
        m_responder.ExpectMessageBox();
        EXPECT_FALSE(m_doc.OnOpenDocument(c.path));
        EXPECT_EQ(m_responder.Texts().back(), c.message);
        EXPECT_EQ(m_doc.m_melody.size(), 1u);
    }
}

TEST_F(MelodyFile, TheLargestMelodyAFileMayHoldStillLoads)
{
    const QByteArray longest(int(CVoldrimDoc::kLongestMelodyText), 'a');
    const QByteArray bytes = Hex("01000000 58020000 ff ffff ffff0000") + longest + Hex("00 ffff a0860100") +
                             kFirstRecord + Hex("0200").repeated(int(CVoldrimDoc::kMostMelodyNotes) - 1);
    ASSERT_TRUE(Open(bytes));
    EXPECT_EQ(m_doc.m_strMelodyTitle.size(), longest.size());
    EXPECT_EQ(m_doc.m_melody.size(), CVoldrimDoc::kMostMelodyNotes);
}

TEST_F(MelodyFile, SavingReplacesOnlyARegularFileAndKeepsItsLinkAndPermissions)
{
    AddRecord(48, 2);
    const QString target = Write(kEmptyMelody, "target.vdm");
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QString link = m_folder.filePath("link.vdm");
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(m_doc.OnSaveDocument(link));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Read(target), Saved());
    constexpr QFileDevice::Permissions kModeBits = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                   QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                                   QFileDevice::ReadOther | QFileDevice::WriteOther |
                                                   QFileDevice::ExeOther;
    EXPECT_EQ(QFileInfo(target).permissions() & kModeBits, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // Nothing else is overwritten, whatever a link leads to; not even a
    // file marked read-only, by the superuser.
    const QString readOnly = Write(kEmptyMelody, "read-only.vdm");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const QString pipe = m_folder.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString toDevice = m_folder.filePath("full.mid");
    ASSERT_TRUE(QFile::link("/dev/full", toDevice));
    for (const QString& path : {readOnly, pipe, toDevice, m_folder.path()}) {
        m_responder.ExpectMessageBox();
        EXPECT_FALSE(m_doc.OnSaveDocument(path)) << path.toStdString();
        EXPECT_EQ(m_responder.Texts().back(), "Access to " + path + " was denied.");
    }
    EXPECT_EQ(Read(readOnly), kEmptyMelody);
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_FALSE(QFileInfo("/dev/full").isFile());
}

TEST_F(MelodyFile, AFailedSaveLeavesTheEarlierFileAsItWasAndSaysSo)
{
    const QString earlier = Write(kEmptyMelody, "earlier.vdm");
    AddRecord(48, 2);
    AddRecord(999, 999);
    m_responder.ExpectMessageBox();
    {
        FullDisk disk(20);
        EXPECT_FALSE(m_doc.OnSaveDocument(earlier));
    }
    EXPECT_EQ(m_responder.Texts().back(), "Failed to save document.");
    EXPECT_EQ(Read(earlier), kEmptyMelody);
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList({"earlier.vdm"}));

    // A folder that cannot exist: its parent is a file.
    m_responder.ExpectMessageBox();
    EXPECT_FALSE(m_doc.OnSaveDocument(earlier + "/melody.vdm"));
    EXPECT_EQ(m_responder.Texts().back(), "Failed to save document.");
    EXPECT_EQ(Read(earlier), kEmptyMelody);
}

constexpr mode_t kPermissionBits = 0777;
// What a program asks for a new file, less the umask.
constexpr mode_t kNewFileMode = 0666;

// The mode of what the name leads to, or of the name itself.
mode_t ModeOf(const QByteArray& name, bool followLink = true)
{
    struct stat status {};
    const int result = followLink ? ::stat(name.constData(), &status) : ::lstat(name.constData(), &status);
    return result == 0 ? status.st_mode : 0;
}

mode_t CurrentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

TEST_F(MelodyFile, ANameThatIsNotUtf8IsTheFileOfExactlyThoseBytes)
{
    const QByteArray name = m_folder.NativePath("tune-\xFF\xFE.vdm");
    AddRecord(48, 2);
    AddRecord(999, 999);
    ASSERT_TRUE(m_doc.OnSaveDocument(AfxDecodePath(name)));
    EXPECT_EQ(ReadNamedFileBytes(name), kExample);
    // A new file, as any program makes one.
    EXPECT_EQ(ModeOf(name) & kPermissionBits, kNewFileMode & ~CurrentUmask());
    m_doc.DeleteContents();
    ASSERT_TRUE(m_doc.OnOpenDocument(AfxDecodePath(name)));
    EXPECT_EQ(Records(), (std::vector<std::pair<int, int>>{{48, 2}, {999, 999}}));
    // Save Changes names it without the lone halves of a character.
    m_doc.SetPathName(AfxDecodePath(name));
    EXPECT_EQ(m_doc.GetTitle(), QStringLiteral("tune-\uFFFD\uFFFD.vdm"));

    // A link of such a name, to a file of such a name beside it: the file
    // is replaced and keeps its permissions, the link stays.
    const QByteArray target = m_folder.NativePath("target-\xE9.vdm");
    ASSERT_TRUE(WriteNamedFileBytes(target, kEmptyMelody));
    ASSERT_EQ(::chmod(target.constData(), S_IRUSR | S_IWUSR | S_IRGRP), 0);
    const QByteArray link = m_folder.NativePath("link-\xFF.vdm");
    ASSERT_EQ(::symlink("target-\xE9.vdm", link.constData()), 0);
    ASSERT_TRUE(m_doc.OnSaveDocument(AfxDecodePath(link)));
    EXPECT_TRUE(S_ISLNK(ModeOf(link, false)));
    EXPECT_EQ(ReadNamedFileBytes(target), kExample);
    EXPECT_EQ(ModeOf(target) & kPermissionBits, mode_t(S_IRUSR | S_IWUSR | S_IRGRP));
}

TEST_F(MelodyFile, WhatGoesWrongWithANameThatIsNotUtf8NamesItReadably)
{
    const QByteArray readOnly = m_folder.NativePath("read-only-\xFF.vdm");
    ASSERT_TRUE(WriteNamedFileBytes(readOnly, kEmptyMelody));
    ASSERT_EQ(::chmod(readOnly.constData(), S_IRUSR | S_IRGRP | S_IROTH), 0);
    AddRecord(48, 2);
    const QString shown = m_folder.filePath(QStringLiteral("missing-\uFFFD.vdm"));
    m_responder.ExpectMessageBox();
    EXPECT_FALSE(m_doc.OnOpenDocument(AfxDecodePath(m_folder.NativePath("missing-\xFF.vdm"))));
    EXPECT_EQ(m_responder.Texts().back(), shown + " was not found.");
    EXPECT_EQ(m_doc.m_melody.size(), 1u);

    m_responder.ExpectMessageBox();
    EXPECT_FALSE(m_doc.OnSaveDocument(AfxDecodePath(readOnly)));
    EXPECT_EQ(m_responder.Texts().back(),
              "Access to " + m_folder.filePath(QStringLiteral("read-only-\uFFFD.vdm")) + " was denied.");
    EXPECT_EQ(ReadNamedFileBytes(readOnly), kEmptyMelody);
}

} // namespace
