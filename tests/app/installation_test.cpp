// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Installing: `cmake --install` into a scratch prefix puts the program, its
// sounds, help pages, icon, menu entry, metainfo, melody type, manual page
// and licence where the desktop looks for them, and the desktop's own
// tools accept the entry and the metainfo and know a melody file by its
// name and its first bytes. The installed program, moved to another prefix
// and started from an empty folder, plays its installed start-up sound and
// ends cleanly when the session ends. The Debian package holds the same
// files and depends on the libraries the program runs with, and nothing more.
#include "doc/voldrim_doc.h"
#include "framework/program_version.h"
#include "sound/tempo_table.h"
#include "support/recording_midi_output.h"
#include "support/scripted_responder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

namespace {

constexpr int kToolMs = 60000;
constexpr int kStartMs = 20000;
constexpr int kEndMs = 5000;
const QString kAppId = QStringLiteral(VOLDRIM_APP_ID);
const QString kMelodyType = QStringLiteral("application/x-voldrim-melody");

struct ToolRun {
    int exitCode = -1;
    QString output;
};

// Runs a command-line tool to its end; a tool that is not there fails.
ToolRun RunTool(const QString& name, const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    const QString program = QStandardPaths::findExecutable(name);
    if (program.isEmpty())
        return {-1, name + " is not installed (scripts/install-deps installs it)"};
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    if (!tool.waitForFinished(kToolMs) || tool.exitStatus() != QProcess::NormalExit)
        return {-1, name + " did not finish"};
    return {tool.exitCode(), QString::fromLocal8Bit(tool.readAll())};
}

QString Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The first match's group in the text, or empty.
QString Find(const QString& text, const QString& pattern)
{
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).captured(1);
}

class Installation : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_scratch.isValid());
        const ToolRun install = RunTool(QStringLiteral(CMAKE_COMMAND),
                                        {"--install", VOLDRIM_BUILD_DIR, "--prefix", m_scratch.filePath("prefix")});
        ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    }

    // The desktop's data folders: the prefix's before the system's, and
    // none of the user's or of a running desktop's own.
    QProcessEnvironment DesktopLookingInThePrefix() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* desktop : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                    "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID", "DISPLAY"})
            environment.remove(QLatin1String(desktop));
        environment.insert("XDG_DATA_HOME", m_scratch.filePath("home-data"));
        environment.insert("XDG_DATA_DIRS", Installed(CMAKE_INSTALL_DATADIR) + ":/usr/share");
        return environment;
    }

    QString Installed(const QString& dir, const QString& file = {}) const
    {
        return QDir(m_scratch.filePath("prefix")).filePath(dir + QLatin1Char('/') + file);
    }

    QTemporaryDir m_scratch;
};

TEST_F(Installation, PutsEveryFileWhereTheDesktopFindsItAndTheValidatorsAcceptThem)
{
    for (const QString& path :
         {Installed(VOLDRIM_INSTALL_BINDIR, "voldrim"), Installed(VOLDRIM_INSTALL_DATADIR, "cello.wav"),
          Installed(VOLDRIM_INSTALL_DATADIR, "babye.wav"), Installed(VOLDRIM_INSTALL_DOCDIR, "html/contents.html"),
          Installed(VOLDRIM_INSTALL_DOCDIR, "html/lessons.html"), Installed(VOLDRIM_INSTALL_DOCDIR, "html/rhythm.html"),
          Installed(VOLDRIM_INSTALL_DOCDIR, "LICENSE"), Installed(VOLDRIM_INSTALL_MANDIR "/man1", "voldrim.1")})
        EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    EXPECT_TRUE(QFileInfo(Installed(VOLDRIM_INSTALL_BINDIR, "voldrim")).isExecutable());

    // The menu entry starts the installed program, with the melody file
    // chosen if there is one, and shows the installed icon.
    const QString entryPath = Installed(CMAKE_INSTALL_DATADIR "/applications", kAppId + ".desktop");
    const QString entry = Read(entryPath);
    EXPECT_EQ(Find(entry, "^Exec=(.*)$"), "voldrim --open %f");
    EXPECT_EQ(Find(entry, "^MimeType=(.*)$"), kMelodyType + ";");
    EXPECT_EQ(Find(entry, "^Icon=(.*)$"), kAppId);
    EXPECT_EQ(Find(entry, "^Categories=(.*)$"), "Education;Music;");
    QSvgRenderer icon(Installed(CMAKE_INSTALL_DATADIR "/icons/hicolor/scalable/apps", kAppId + ".svg"));
    EXPECT_TRUE(icon.isValid());
    const ToolRun entryCheck = RunTool(QStringLiteral("desktop-file-validate"), {entryPath});
    EXPECT_EQ(entryCheck.exitCode, 0);
    EXPECT_EQ(entryCheck.output, "") << entryCheck.output.toStdString();

    // The metainfo launches that entry and shows the screenshot kept with
    // the sources. Its address is checked offline: this machine may have no
    // network.
    const QString metainfoPath = Installed(CMAKE_INSTALL_DATADIR "/metainfo", kAppId + ".metainfo.xml");
    const QString metainfo = Read(metainfoPath);
    EXPECT_EQ(Find(metainfo, "<id>([^<]*)</id>"), kAppId);
    EXPECT_EQ(Find(metainfo, "<launchable type=\"desktop-id\">([^<]*)<"), kAppId + ".desktop");
    const QString screenshot = Find(metainfo, "<image type=\"source\"[^>]*>https://[^<]*/(res/screenshots/[^<]*)<");
    const QImage picture(QStringLiteral(VOLDRIM_SOURCE_DIR "/") + screenshot);
    ASSERT_FALSE(picture.isNull()) << screenshot.toStdString();
    EXPECT_EQ(Find(metainfo, "<image type=\"source\" width=\"(\\d+)\""), QString::number(picture.width()));
    EXPECT_EQ(Find(metainfo, "<image type=\"source\"[^>]* height=\"(\\d+)\""), QString::number(picture.height()));
    const ToolRun metainfoCheck = RunTool(QStringLiteral("appstreamcli"), {"validate", "--no-net", metainfoPath});
    EXPECT_EQ(metainfoCheck.exitCode, 0) << metainfoCheck.output.toStdString();
    // The newest release it names is the version the program says it is.
    EXPECT_EQ(Find(metainfo, "<release version=\"([^\"]*)\""), ProgramVersion());
    EXPECT_EQ(Find(metainfo, "<project_license>([^<]*)<"), "GPL-3.0-or-later");
    EXPECT_EQ(Find(metainfo, "<mediatype>([^<]*)<"), kMelodyType);
}

TEST_F(Installation, TheDesktopKnowsAMelodyFileByItsNameAndByItsFirstBytes)
{
    const QProcessEnvironment desktop = DesktopLookingInThePrefix();
    const ToolRun update = RunTool(QStringLiteral("update-mime-database"), {Installed(CMAKE_INSTALL_DATADIR "/mime")},
                                   desktop);
    ASSERT_EQ(update.exitCode, 0) << update.output.toStdString();
    EXPECT_EQ(update.output, "") << update.output.toStdString();
    const auto typeOf = [&](const QString& path) {
        const ToolRun query = RunTool(QStringLiteral("xdg-mime"), {"query", "filetype", path}, desktop);
        EXPECT_EQ(query.exitCode, 0) << query.output.toStdString();
        return query.output.trimmed();
    };

    // Melodies as the program saves them, in each key at the fastest and
    // the slowest tempo, without the extension: their first bytes alone
    // name the type.
    CRecordingMidiOutput midi;
    CScriptedResponder responder;
    CVoldrimDoc doc;
    for (int key = KeyC; key <= KeyChromatic; ++key) {
        for (const int tempo : {TempoMsAt(0), TempoMsAt(kSlowestTempoPosition)}) {
            doc.m_nKey = Key(key);
            doc.m_nTempo = tempo;
            const QString melody = m_scratch.filePath(QStringLiteral("melody-%1-%2").arg(key).arg(tempo));
            ASSERT_TRUE(doc.OnSaveDocument(melody));
            EXPECT_EQ(typeOf(melody), kMelodyType) << melody.toStdString();
        }
    }
    const QString tune = m_scratch.filePath("tune.vdm");
    ASSERT_TRUE(doc.OnSaveDocument(tune));
    EXPECT_EQ(typeOf(tune), kMelodyType);

    // The name decides where the bytes say otherwise; without a name, bytes
    // no melody starts with are not taken for one.
    const QByteArray tempo600 = QByteArray::fromHex("58020000");
    const struct {
        const char* name;
        QByteArray bytes;
        bool melody;
    } cases[] = {
        {"letter.vdm", "Dear Anna,\n", true},
        {"letter", "Dear Anna,\n", false},
        {"key-seven", QByteArray::fromHex("07000000") + tempo600 + QByteArray(4, '\0'), false},
        {"no-key", QByteArray::fromHex("00000000") + tempo600 + QByteArray(4, '\0'), false},
        {"tempo-past-65-seconds", QByteArray::fromHex("01000000 00000100") + QByteArray(4, '\0'), false},
    };
    for (const auto& c : cases) {
        QFile file(m_scratch.filePath(c.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        EXPECT_EQ(typeOf(file.fileName()) == kMelodyType, c.melody) << c.name;
    }
}

TEST_F(Installation, TheMovedProgramPlaysItsInstalledStartUpSoundFromAnyFolder)
{
    const QString moved = m_scratch.filePath("moved");
    ASSERT_TRUE(QDir().rename(m_scratch.filePath("prefix"), moved));
    const QString elsewhere = m_scratch.filePath("elsewhere");
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    QFile wave(QDir(moved).filePath(VOLDRIM_INSTALL_DATADIR "/cello.wav"));
    ASSERT_TRUE(wave.open(QIODevice::ReadOnly));
    const QByteArray waveBytes = wave.readAll();
    const QByteArray samples = waveBytes.mid(waveBytes.indexOf("data") + 8);

    // ALSA's file device keeps the samples it is given.
    const QString played = m_scratch.filePath("played.raw");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VOLDRIM_SYNTH_DEVICE", "null");
    environment.insert("VOLDRIM_WAVE_DEVICE", "file:FILE='" + played + "'");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(elsewhere);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QDir(moved).filePath(VOLDRIM_INSTALL_BINDIR "/voldrim"), {});
    ASSERT_TRUE(program.waitForStarted());
    const bool playedToTheEnd = QTest::qWaitFor([&] { return QFileInfo(played).size() >= samples.size(); }, kStartMs);

    kill(pid_t(program.processId()), SIGTERM);
    if (!program.waitForFinished(kEndMs)) {
        ADD_FAILURE() << "the program did not end";
        program.kill();
        program.waitForFinished();
    }
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    ASSERT_TRUE(playedToTheEnd) << "played " << QFileInfo(played).size() << " of " << samples.size() << " bytes";
    QFile playedFile(played);
    ASSERT_TRUE(playedFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(playedFile.readAll() == samples);
}

TEST(DebianPackage, HoldsTheInstalledFilesAndDependsOnRuntimeLibrariesAlone)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const ToolRun cpack = RunTool(QStringLiteral(CPACK_COMMAND),
                                  {"--config", VOLDRIM_BUILD_DIR "/CPackConfig.cmake", "-B", scratch.path()});
    ASSERT_EQ(cpack.exitCode, 0) << cpack.output.toStdString();
    const QStringList packages = QDir(scratch.path()).entryList({"*.deb"}, QDir::Files);
    ASSERT_EQ(packages.size(), 1);
    const QString package = scratch.filePath(packages.first());

    const ToolRun depends = RunTool(QStringLiteral("dpkg-deb"), {"--field", package, "Depends"});
    ASSERT_EQ(depends.exitCode, 0) << depends.output.toStdString();
    // Qt SQL's SQLite driver is a plugin the program loads: named by hand.
    for (const char* runtime : {"libqt6widgets6", "libfluidsynth3", "libsndfile1", "libasound2", "libaubio5", "libpulse0",
                             "librtmidi6", "fluid-soundfont-gm", "libqt6charts6", "libqt6sql6-sqlite"})
        EXPECT_TRUE(depends.output.contains(QLatin1String(runtime))) << runtime << " in " << depends.output.toStdString();
    EXPECT_FALSE(depends.output.contains(QLatin1String("-dev"))) << depends.output.toStdString();

    const ToolRun contents = RunTool(QStringLiteral("dpkg-deb"), {"--contents", package});
    for (const QString& file : {QStringLiteral("./usr/bin/voldrim"), QStringLiteral("./usr/share/voldrim/cello.wav"),
                                "./usr/share/applications/" + kAppId + ".desktop",
                                "./usr/share/metainfo/" + kAppId + ".metainfo.xml",
                                "./usr/share/mime/packages/" + kAppId + ".xml",
                                QStringLiteral("./usr/share/man/man1/voldrim.1"),
                                QStringLiteral("./usr/share/doc/voldrim/LICENSE")})
        EXPECT_TRUE(contents.output.contains(file)) << file.toStdString();
}

} // namespace
