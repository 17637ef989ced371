// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// `voldrim --open tune.vdm`: the program starts with that melody, opened as
// File Open opens it once its window shows; a file it cannot read is said
// so in File Open's own words, and the program goes on with an empty melody.
#include "framework/command_ids.h"
#include "framework/native_path.h"
#include "support/app_harness.h"
#include "support/scratch_folder.h"

#include <QDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// "Waltz" in G major at tempo 600: a C quarter note, then a quarter rest.
const QByteArray kWaltz = QByteArray::fromHex("02000000 58020000 05 57616c747a 00 0200 ffff 0000 0b00"
                                              "434e6f7465536572696573 30000000 02000000"
                                              "0180 e7030000 e7030000");
constexpr int kC3 = 48;

class OpenAtStart : public ::testing::Test {
protected:
    CScratchFolder m_folder;
};

TEST_F(OpenAtStart, TheMelodyNamedIsOpenedAsFileOpenOpensIt)
{
    const QString path = m_folder.Write(kWaltz, "waltz.vdm");
    const QString old = QDir::currentPath();
    // A name relative to the folder the program starts in, as a shell gives
    // it, is saved back to the same file.
    const struct {
        QString argument;
        QString folder;
    } cases[] = {{path, old}, {"waltz.vdm", m_folder.path()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument.toStdString());
        QDir::setCurrent(c.folder);
        CAppHarness app({"--open", c.argument});
        QDir::setCurrent(old);
        ASSERT_EQ(app.Doc()->m_melody.size(), 2u);
        EXPECT_EQ(app.Doc()->m_melody[0]->GetPitch(), kC3);
        EXPECT_EQ(app.Doc()->m_nKey, KeyG);
        EXPECT_EQ(app.Doc()->m_nTempo, 600);
        EXPECT_EQ(app.Frame()->GetWindowText(), "Voldrim   -   Waltz");
        EXPECT_EQ(app.Doc()->GetPathName(), path);
        EXPECT_FALSE(app.Doc()->IsModified());
        EXPECT_TRUE(app.Frame()->isVisible());
        EXPECT_TRUE(app.m_responder.Texts().empty());
    }
}

TEST_F(OpenAtStart, ANameThatIsNotUtf8IsOpenedAndSavedBackToTheSameFile)
{
    // The folder's name is not UTF-8 either: a name relative to it is
    // completed with its bytes.
    const QByteArray folder = m_folder.NativePath("lessons-\xFF");
    ASSERT_EQ(::mkdir(folder.constData(), S_IRWXU), 0);
    const QByteArray file = folder + "/waltz-\xFE.vdm";
    const QByteArray old = QFile::encodeName(QDir::currentPath());
    const struct {
        QByteArray argument;
        QByteArray startFolder;
        const char* title; // given before File Save
    } cases[] = {{file, old, "Minuet"}, {"waltz-\xFE.vdm", folder, "Gavotte"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument.toHex().toStdString());
        ASSERT_TRUE(WriteNamedFileBytes(file, kWaltz));
        ASSERT_EQ(::chdir(c.startFolder.constData()), 0);
        CAppHarness app({"--open", AfxDecodePath(c.argument)});
        ASSERT_EQ(::chdir(old.constData()), 0);
        EXPECT_EQ(app.Doc()->m_melody.size(), 2u);
        EXPECT_EQ(app.Doc()->m_strMelodyTitle, "Waltz");
        EXPECT_EQ(AfxEncodePath(app.Doc()->GetPathName()), file);
        app.Doc()->m_strMelodyTitle = c.title;
        ASSERT_TRUE(app.Choose(ID_FILE_SAVE));
        EXPECT_TRUE(ReadNamedFileBytes(file).contains(c.title)) << c.title;
        EXPECT_TRUE(app.m_responder.Texts().empty());
    }
}

TEST_F(OpenAtStart, AFileThatCannotBeReadIsSaidSoAndTheMelodyIsEmpty)
{
    const QString missing = m_folder.filePath("missing.vdm");
    const struct {
        QString path;
        QString message;
    } cases[] = {
        {missing, missing + " was not found."},
        {m_folder.Write(kWaltz.left(20), "damaged.vdm"), "Unexpected file format."},
        {m_folder.path(), "Failed to open document."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        CAppHarness app({"--open", c.path}, 1);
        EXPECT_EQ(app.m_responder.Texts(), std::vector<CString>{c.message});
        EXPECT_TRUE(app.Frame()->isVisible());
        EXPECT_TRUE(app.Doc()->m_melody.empty());
        EXPECT_EQ(app.Doc()->GetPathName(), "");
        EXPECT_EQ(app.Frame()->GetWindowText(), "Voldrim");
    }
}

TEST_F(OpenAtStart, WithoutOpenOrWithoutAFileTheMelodyIsEmpty)
{
    const QString path = m_folder.Write(kWaltz, "waltz.vdm");
    // The menu entry gives --open alone when it is chosen without a file.
    for (const QStringList& arguments : {QStringList{path}, QStringList{"--open"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        CAppHarness app(arguments);
        EXPECT_TRUE(app.Frame()->isVisible());
        EXPECT_TRUE(app.Doc()->m_melody.empty());
        EXPECT_EQ(app.Doc()->GetPathName(), "");
        EXPECT_TRUE(app.m_responder.Texts().empty());
    }
}

} // namespace
