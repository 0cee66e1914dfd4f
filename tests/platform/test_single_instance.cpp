// The single-instance guard met by a real second process (the probe): it is
// told to stand down and the first instance's callback runs; a lock whose
// owner has no server, a lock left by a crashed process, and a released
// guard.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTimer>
#include <atomic>
#include <string>

#include "platform/SingleInstance.h"

#ifndef SINGLE_INSTANCE_PROBE
#error "SINGLE_INSTANCE_PROBE must name the probe executable"
#endif

namespace {

using Outcome = SingleInstanceGuard::Outcome;

// The probe never gets this long; a hang ends the test instead of the run.
constexpr int kProbeTimeoutMs = 15000;

std::string UniqueKey(const char* name) {
    static std::atomic<int> counter{0};
    return "modrin-test-" + std::string(name) + "-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
           std::to_string(counter++);
}

struct ProbeRun {
    bool finished = false;
    int exitCode = -1;
    std::string output;
};

// Runs the probe with the event loop of this process turning, so that a
// guard held here can answer it.
ProbeRun RunProbe(const std::string& key, const char* mode = "acquire") {
    QProcess probe;
    QEventLoop loop;
    QObject::connect(&probe, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&probe, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(kProbeTimeoutMs, &loop, &QEventLoop::quit);
    probe.start(QStringLiteral(SINGLE_INSTANCE_PROBE), {QString::fromStdString(key), QString::fromLatin1(mode)});
    if (probe.state() != QProcess::NotRunning) loop.exec();

    ProbeRun run;
    run.finished = probe.state() == QProcess::NotRunning && probe.exitStatus() == QProcess::NormalExit;
    if (probe.state() != QProcess::NotRunning) {
        probe.kill();
        probe.waitForFinished(2000);
    }
    run.exitCode = probe.exitCode();
    run.output = probe.readAllStandardOutput().trimmed().toStdString();
    return run;
}

// Turns the event loop until cond holds or the time is up.
template <typename Cond>
bool SpinUntil(Cond cond, int ms = 3000) {
    QDeadlineTimer deadline(ms);
    while (!cond() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return cond();
}

}  // namespace

TEST(SingleInstance, SecondProcessAsksTheFirstToComeForward) {
    const std::string key = UniqueKey("forward");
    SingleInstanceGuard guard;
    int activations = 0;
    guard.SetActivationCallback([&] { ++activations; });
    ASSERT_EQ(guard.Acquire(key), Outcome::First);
    EXPECT_TRUE(guard.Holds());

    ProbeRun run = RunProbe(key);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.output, "ActivatedOther");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(SpinUntil([&] { return activations == 1; }));

    // Each later start asks again.
    run = RunProbe(key);
    EXPECT_EQ(run.output, "ActivatedOther");
    EXPECT_TRUE(SpinUntil([&] { return activations == 2; }));
}

TEST(SingleInstance, LockHeldWithoutServerIsOtherNotFound) {
    const std::string key = UniqueKey("noserver");
    QLockFile lock(QString::fromStdString(SingleInstanceGuard::LockFilePath(key)));
    ASSERT_TRUE(lock.tryLock(0));

    const ProbeRun run = RunProbe(key);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.output, "OtherNotFound");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(lock.isLocked());  // the probe did not take it over
}

TEST(SingleInstance, LockOfACrashedProcessIsTakenOver) {
    const std::string key = UniqueKey("crashed");
    ProbeRun run = RunProbe(key, "crash");
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 3) << run.output;
    // The crash left its lock file and its socket behind.
    ASSERT_TRUE(QFile::exists(QString::fromStdString(SingleInstanceGuard::LockFilePath(key))));

    SingleInstanceGuard guard;
    int activations = 0;
    guard.SetActivationCallback([&] { ++activations; });
    EXPECT_EQ(guard.Acquire(key), Outcome::First);
    // And it listens in place of the dead one.
    run = RunProbe(key);
    EXPECT_EQ(run.output, "ActivatedOther");
    EXPECT_TRUE(SpinUntil([&] { return activations == 1; }));
}

TEST(SingleInstance, ReleasedGuardLetsTheNextStartBeFirst) {
    const std::string key = UniqueKey("released");
    {
        SingleInstanceGuard guard;
        ASSERT_EQ(guard.Acquire(key), Outcome::First);
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(SingleInstanceGuard::LockFilePath(key))));
    const ProbeRun run = RunProbe(key);
    EXPECT_EQ(run.output, "First");
    EXPECT_EQ(run.exitCode, 0);
}

#ifndef Q_OS_WIN
TEST(SingleInstance, OnlyTheUserCanReachTheFirstInstance) {
    const std::string key = UniqueKey("private");
    const QString socket = QString::fromStdString(SingleInstanceGuard::ServerName(key));
    {
        SingleInstanceGuard guard;
        ASSERT_EQ(guard.Acquire(key), Outcome::First);
        ASSERT_TRUE(QFile::exists(socket));
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
        EXPECT_EQ(QFile::permissions(socket) & others, QFileDevice::Permissions());
    }
    // Released with the guard, like its lock.
    EXPECT_FALSE(QFile::exists(socket));
}
#endif

TEST(SingleInstance, KeysAreMadeSafeForFileNames) {
    const std::string path = SingleInstanceGuard::LockFilePath("a/b c:{Ладомирка}");
    EXPECT_NE(path.find("a_b_c__"), std::string::npos) << path;
    EXPECT_EQ(path.find(' '), std::string::npos) << path;
    EXPECT_NE(SingleInstanceGuard::ServerName("x"), SingleInstanceGuard::ServerName("y"));
}
