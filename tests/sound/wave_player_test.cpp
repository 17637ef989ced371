// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up and good-bye sounds: real playback into ALSA's null device,
// silence for anything that cannot be played.
#include "sound/alsa_wave_player.h"
#include "sound/play_wave_sound.h"
#include "support/scripted_responder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CString DataDir()
{
    return QStringLiteral(VOLDRIM_TEST_DATA_DIR);
}

class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : m_name(name), m_saved(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_saved.isNull())
            qunsetenv(m_name);
        else
            qputenv(m_name, m_saved);
    }

private:
    const char* m_name;
    QByteArray m_saved;
};

class RecordingWavePlayer : public CWavePlayer {
public:
    bool PlaySync(const CString& path) override
    {
        paths.push_back(path);
        return false;
    }
    std::vector<CString> paths;

private:
    CServiceOverride<CWavePlayer> m_installed{this};
};

class ScopedCurrentDir {
public:
    explicit ScopedCurrentDir(const QString& dir) : m_saved(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~ScopedCurrentDir() { QDir::setCurrent(m_saved); }

private:
    QString m_saved;
};

TEST(AlsaWavePlayer, PlaysBothSoundsToTheEndOnTheNullDevice)
{
    ScopedEnv device("VOLDRIM_WAVE_DEVICE", "null");
    CScriptedResponder responder;
    CAlsaWavePlayer player;
    EXPECT_TRUE(player.PlaySync(DataDir() + "/cello.wav"));
    EXPECT_TRUE(player.PlaySync(DataDir() + "/babye.wav"));
}

TEST(AlsaWavePlayer, AnythingUnplayableIsSilent)
{
    CScriptedResponder responder; // a message box would fail the test
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile notWave(dir.filePath("cello.wav"));
    ASSERT_TRUE(notWave.open(QIODevice::WriteOnly));
    notWave.write("RIFF....WAVEfmt this is not a sound");
    notWave.close();

    ScopedEnv nullDevice("VOLDRIM_WAVE_DEVICE", "null");
    CAlsaWavePlayer player;
    EXPECT_FALSE(player.PlaySync(dir.filePath("missing.wav")));
    EXPECT_FALSE(player.PlaySync(dir.filePath("cello.wav")));
    EXPECT_FALSE(player.PlaySync(dir.path()));

    ScopedEnv noDevice("VOLDRIM_WAVE_DEVICE", "no_such_pcm_device");
    EXPECT_FALSE(player.PlaySync(DataDir() + "/cello.wav"));
}

TEST(PlayWaveSound, NamesTheFileInTheCurrentDirectoryHoweverLong)
{
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const QString deep = base.path() + "/" + QString(150, QLatin1Char('d'));
    ASSERT_TRUE(QDir().mkpath(deep));
    ScopedCurrentDir inDeep(deep);

    RecordingWavePlayer player;
    PlayWaveSound("babye.wav");
    ASSERT_EQ(player.paths.size(), 1u);
    EXPECT_EQ(player.paths[0], QDir::currentPath() + "/babye.wav");
}

TEST(WaveSoundPath, TheCurrentDirectoryFirstThenTheInstalledDataFolder)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QDir base(scratch.path());
    const QString programDir = base.filePath("prefix/" VOLDRIM_INSTALL_BINDIR);
    const QString dataDir = base.filePath("prefix/" VOLDRIM_INSTALL_DATADIR);
    const struct {
        const char* what;
        bool inCurrentDir, inDataDir, folderInCurrentDir;
        bool expectDataDir;
    } cases[] = {
        {"only here", true, false, false, false},
        {"here and installed", true, true, false, false},
        {"only installed", false, true, false, true},
        {"a folder of that name here", false, true, true, true},
        {"nowhere", false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString here = base.filePath(QStringLiteral("here-") + c.what);
        ASSERT_TRUE(QDir().mkpath(here) && QDir().mkpath(programDir) && QDir().mkpath(dataDir));
        const auto place = [](const QString& dir, bool present) {
            QFile file(QDir(dir).filePath("cello.wav"));
            return present ? file.open(QIODevice::WriteOnly) : !file.exists() || file.remove();
        };
        ASSERT_TRUE(place(here, c.inCurrentDir) && place(dataDir, c.inDataDir));
        if (c.folderInCurrentDir) {
            ASSERT_TRUE(QDir(here).mkdir("cello.wav"));
        }
        ScopedCurrentDir inHere(here);
        EXPECT_EQ(WaveSoundPath("cello.wav", programDir),
                  QDir(c.expectDataDir ? dataDir : QDir::currentPath()).filePath("cello.wav"));
    }
}

} // namespace
