// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File New, Open, Save and Save As in the running program: a melody
// written on the staff goes into a file and comes back from it.
#include "res/resource.h"
#include "staff/staff_entry_probe.h"
#include "support/app_harness.h"
#include "support/scripted_file_dialog.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace staffentry;

class MelodyFiles : public ::testing::Test {
protected:
    void Settle()
    {
        CAppHarness::ProcessEvents();
        app.Staff()->UpdateWindow();
    }
    void Click(int column, int row, std::initializer_list<Qt::Key> keys = {})
    {
        ClickRowHolding(app.Staff(), column, row, keys);
        Settle();
    }
    std::vector<int> ColumnPitches() const
    {
        std::vector<int> pitches;
        for (const CStaffColumn& column : app.Doc()->m_columnList)
            pitches.push_back(column.GetPitch());
        pitches.resize(5);
        return pitches;
    }
    QByteArray FileBytes() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    CAppHarness app;
    CScriptedFileDialog m_files;
    QTemporaryDir m_folder;
    QString m_path = m_folder.filePath("waltz.vdm");
};

TEST_F(MelodyFiles, AMelodySavedAndOpenedAgainLooksAndPlaysTheSame)
{
    CVoldrimDoc* doc = app.Doc();
    ASSERT_TRUE(app.Choose(ID_KEY_G));
    Click(0, 4);
    Click(1, 6, {Qt::Key_H});
    Click(2, 2, {Qt::Key_R});
    Click(3, 8, {Qt::Key_E});
    doc->m_nTempo = 714;
    doc->m_strMelodyTitle = QString::fromUtf8("Élégie");
    doc->m_strMelodyComposer = "Anna";
    doc->UpdateAllViews(nullptr, 0);
    Settle();
    const std::vector<int> written = ColumnPitches();
    const QImage staff = app.Staff()->BackingImage().copy();

    m_files.Expect(m_path);
    ASSERT_TRUE(app.Choose(ID_FILE_SAVE));
    ASSERT_EQ(m_files.Requests().size(), 1u);
    const CFileDialogRequest& request = m_files.Requests()[0];
    EXPECT_FALSE(request.m_bOpen);
    EXPECT_EQ(request.m_strFilter, "Voldrim Melodies (*.vdm)");
    EXPECT_EQ(request.m_strDefExt, "vdm");
    EXPECT_EQ(request.m_strFileName, "Untitled.vdm");
    const QByteArray saved = FileBytes();
    EXPECT_EQ(saved.left(16).toHex(), "02000000ca02000006c96ce967696504");

    ASSERT_TRUE(app.Choose(ID_FILE_NEW));
    Settle();
    EXPECT_EQ(ColumnPitches(), std::vector<int>(5, 0));
    EXPECT_EQ(app.Frame()->GetWindowText(), "Voldrim");

    m_files.Expect(m_path);
    ASSERT_TRUE(app.Choose(ID_FILE_OPEN));
    Settle();
    EXPECT_TRUE(m_files.Requests()[1].m_bOpen);
    EXPECT_EQ(ColumnPitches(), written);
    EXPECT_EQ(app.Staff()->BackingImage(), staff);
    EXPECT_TRUE(app.IsChecked(ID_KEY_G));
    EXPECT_EQ(app.Frame()->GetWindowText(), QString::fromUtf8("Voldrim   -   Élégie by Anna"));
    EXPECT_TRUE(app.m_responder.Texts().empty());

    app.m_midi.ClearWords();
    PressButton(app.Staff(), ID_PLAY_BUTTON);
    for (int tick = 0; tick < 20 && doc->m_bPlaying; ++tick)
        app.Staff()->Timers().Fire(CStaffView::kPlaybackTimer);
    std::vector<int> notes = written;
    notes.erase(std::remove(notes.begin(), notes.end(), 999), notes.end());
    notes.resize(3);
    EXPECT_EQ(NotesStarted(app.m_midi.AllWords()), notes);

    // Save goes to the file the melody came from, without asking.
    ASSERT_TRUE(app.Choose(ID_FILE_SAVE));
    EXPECT_EQ(FileBytes(), saved);
}

TEST_F(MelodyFiles, GapsBetweenNotesAreNotSaved)
{
    Click(0, 4);
    Click(3, 4, {Qt::Key_R});
    m_files.Expect(m_path);
    ASSERT_TRUE(app.Choose(ID_FILE_SAVE_AS));
    EXPECT_EQ(FileBytes().toHex(), "010000005802000000000200ffff00000b00" + QByteArray("CNoteSeries").toHex() +
                                       "3900000002000000" "0180e7030000e7030000");
}

TEST_F(MelodyFiles, ADamagedFileEmptiesTheStaffAndTheCaptionAndSaysSo)
{
    QFile file(m_path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromHex("010000005802000000000100ffff"));
    file.close();
    Click(0, 4);
    app.Doc()->m_strMelodyTitle = "Minuet";
    app.Doc()->UpdateCaption();

    // Cancel changes nothing.
    m_files.Expect("");
    ASSERT_TRUE(app.Choose(ID_FILE_OPEN));
    EXPECT_NE(ColumnPitches()[0], 0);

    m_files.Expect(m_path);
    app.m_responder.ExpectMessageBox(IDNO);
    app.m_responder.ExpectMessageBox();
    ASSERT_TRUE(app.Choose(ID_FILE_OPEN));
    Settle();
    EXPECT_EQ(app.m_responder.Texts(),
              (std::vector<CString>{"Save changes to Untitled?", "Unexpected file format."}));
    EXPECT_EQ(ColumnPitches(), std::vector<int>(5, 0));
    EXPECT_TRUE(app.Doc()->m_melody.empty());
    EXPECT_EQ(app.Frame()->GetWindowText(), "Voldrim");
}

} // namespace
