// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, started as a user starts it: on every audio output the
// synthesizer plays through it sits idle without eating a core, and it ends
// cleanly and at once when the system asks it to (kill, Ctrl+C).
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <unistd.h>

namespace {

constexpr int kStartMs = 20000;
constexpr int kEndMs = 1000;
constexpr int kIdleMs = 2000;
// Coarse on purpose: a spinning thread takes most of a core, an idle one a
// few percent at most.
constexpr double kMostOfACoreIdle = 0.2;

// Name and CPU ticks (user and system) of each thread, by thread id.
std::map<QString, std::pair<QString, long>> ThreadTimes(qint64 pid)
{
    std::map<QString, std::pair<QString, long>> times;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(tid + "/stat")), comm(tasks.filePath(tid + "/comm"));
        if (!stat.open(QIODevice::ReadOnly) || !comm.open(QIODevice::ReadOnly))
            continue;
        // After the name in parentheses, utime and stime are fields 12 and 13.
        const QString line = QString::fromLatin1(stat.readAll());
        const QStringList fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12)
            times[tid] = { QString::fromLatin1(comm.readAll()).trimmed(), fields[11].toLong() + fields[12].toLong() };
    }
    return times;
}

// Starts a PulseAudio server of our own with a null sink, which plays in
// real time like a sound card; false when there is no pulseaudio.
bool StartPulseServer(QProcess& server, const QTemporaryDir& dir)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", dir.path());
    environment.insert("XDG_RUNTIME_DIR", dir.path());
    server.setProcessEnvironment(environment);
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(program, { "--daemonize=no", "-n", "--use-pid-file=no", "--exit-idle-time=-1", "--disable-shm=yes",
                            "--log-level=error", "--load=module-null-sink",
                            "--load=module-native-protocol-unix auth-anonymous=1 socket=" + dir.filePath("native") });
    return !program.isEmpty() && server.waitForStarted()
        && QTest::qWaitFor([&] { return QFile::exists(dir.filePath("native")); }, kStartMs);
}

TEST(ProgramEnd, IdlesQuietlyAndEndsCleanlyWithinASecondOnEveryOutput)
{
    QTemporaryDir pulseDir;
    QProcess pulse;
    const bool pulseRuns = StartPulseServer(pulse, pulseDir);
    const struct {
        const char* output;
        const char* variable; // what sends the synthesizer there
        QString value;
        const char* audioThread; // FluidSynth's name for the thread that plays
        int signal;
    } cases[] = {
        { "ALSA null device", "VOLDRIM_SYNTH_DEVICE", "null", "alsa-audio", SIGTERM },
        { "ALSA null device", "VOLDRIM_SYNTH_DEVICE", "null", "alsa-audio", SIGINT },
        { "PulseAudio null sink", "PULSE_SERVER", "unix:" + pulseDir.filePath("native"), "pulse-audio", SIGTERM },
        { "PulseAudio null sink", "PULSE_SERVER", "unix:" + pulseDir.filePath("native"), "pulse-audio", SIGINT },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.output << ", signal " << c.signal);
        if (QByteArray(c.variable) == "PULSE_SERVER" && !pulseRuns) {
            ADD_FAILURE() << "no PulseAudio server could be started (scripts/install-deps installs pulseaudio)";
            continue;
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("VOLDRIM_SYNTH_DEVICE");
        environment.insert(c.variable, c.value);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("VOLDRIM_WAVE_DEVICE", "null");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(QStringLiteral(VOLDRIM_TEST_DATA_DIR));
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QStringLiteral(VOLDRIM_PROGRAM), {});
        const qint64 pid = program.waitForStarted() ? program.processId() : 0;
        const auto plays = [&] {
            for (const auto& [tid, thread] : ThreadTimes(pid))
                if (thread.first == c.audioThread)
                    return true;
            return false;
        };
        if (!QTest::qWaitFor(plays, kStartMs)) {
            ADD_FAILURE() << "the synthesizer never played";
            program.kill();
            program.waitForFinished();
            continue;
        }

        const auto before = ThreadTimes(pid);
        QThread::msleep(kIdleMs);
        for (const auto& [tid, thread] : ThreadTimes(pid)) {
            // The main thread may still be drawing the window for the first time.
            if (tid == QString::number(pid) || !before.count(tid))
                continue;
            const double share = double(thread.second - before.at(tid).second) / double(sysconf(_SC_CLK_TCK))
                / (kIdleMs / 1000.0);
            EXPECT_LT(share, kMostOfACoreIdle) << "thread " << thread.first.toStdString() << " while idle";
        }

        QElapsedTimer clock;
        clock.start();
        kill(pid_t(pid), c.signal);
        if (!program.waitForFinished(kEndMs * 5)) {
            ADD_FAILURE() << "the program did not end";
            program.kill();
            program.waitForFinished();
        }
        EXPECT_LE(clock.elapsed(), kEndMs);
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "killed by the signal instead of ending";
        EXPECT_EQ(program.exitCode(), 0);
    }
    pulse.terminate();
    pulse.waitForFinished();
}

} // namespace
