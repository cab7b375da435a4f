// The store under faults: writers killed at random moments, over and over, and a disk that is
// full. After each fault the store reads back whole with every change that was finished, the
// change that was cut either whole or absent, and the next writer goes ahead.
#include "platform/registrykey.h"
#include "platform/registryreader.h"
#include "platform/registrystore.h"
#include "platform/registryvalue.h"
#include "support/temptree.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <random>

#include <sys/resource.h>

using platform::RegistryKey;
using platform::RegistryReadReport;
using platform::RegistryStore;
using platform::RegistryValue;
using testing_support::TempTree;

namespace {

const QString kRoot = QStringLiteral("HKEY_CURRENT_USER");

// The numbers N of the "done N" lines and the last "begin N" a writer printed.
struct WriterProgress {
    int lastDone = -1;
    int lastBegun = -1;
};

WriterProgress progressOf(const QByteArray &output)
{
    WriterProgress progress;
    for (const QByteArray &line : output.split('\n')) {
        if (line.startsWith("begin "))
            progress.lastBegun = line.mid(6).toInt();
        else if (line.startsWith("done "))
            progress.lastDone = line.mid(5).toInt();
    }
    return progress;
}

TEST(RegistryFaults, TwoHundredRandomKillsLoseNothing)
{
    constexpr int kRounds = 200;
    TempTree tree;
    const QString path = tree.path(QStringLiteral("user.reg"));
    std::mt19937 random(20261210);
    // Changes that finished in each round: they must all be in the store until the end.
    QList<int> finished;
    int caughtMidChange = 0;
    for (int round = 0; round < kRounds; ++round) {
        QProcess writer;
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // 16 KB of padding per round keeps each rewrite long enough to be cut now and then.
        writer.start(QStringLiteral(REGISTRY_WRITER),
                     {path, QStringLiteral("R%1").arg(round), QStringLiteral("50"), QStringLiteral("16384")});
        ASSERT_TRUE(writer.waitForStarted());
        // Even rounds kill anywhere from the start of the program on; odd rounds count from its
        // first change, which a slow start (a sanitizer build, a busy machine) would otherwise
        // push past every kill.
        const int delayUs = int(random() % 40000);
        QByteArray output;
        if (round % 2 == 1) {
            while (!output.contains("begin ") && writer.state() == QProcess::Running) {
                writer.waitForReadyRead(10);
                output += writer.readAllStandardOutput();
            }
        }
        QElapsedTimer clock;
        clock.start();
        while (clock.nsecsElapsed() / 1000 < delayUs && writer.state() == QProcess::Running) {
            writer.waitForReadyRead(1);
            output += writer.readAllStandardOutput();
        }
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(30000));
        output += writer.readAllStandardOutput();
        // A writer that died of anything but our kill (a lock it could not get, a write that
        // failed) fails the test.
        ASSERT_TRUE(writer.exitStatus() == QProcess::CrashExit || writer.exitCode() == 0)
            << "round " << round << " exit code " << writer.exitCode();
        const WriterProgress progress = progressOf(output);
        finished.append(progress.lastDone);
        if (progress.lastBegun > progress.lastDone)
            ++caughtMidChange;

        const RegistryStore store(path, kRoot);
        RegistryReadReport report;
        const RegistryKey root = store.read(&report);
        ASSERT_FALSE(report.damaged()) << "round " << round;
        for (int r = 0; r <= round; ++r) {
            const RegistryKey *key = root.findKey(QStringLiteral("Writers\\R%1").arg(r));
            if (finished[r] < 0 && !key)
                continue;
            ASSERT_NE(key, nullptr) << "round " << round << " lost the key of round " << r;
            for (int i = 0; i <= finished[r]; ++i)
                ASSERT_NE(key->value(QString::number(i)), nullptr) << "round " << round << ": R" << r << "\\" << i;
            // The change that was cut is there whole or not at all; nothing beyond it.
            EXPECT_EQ(key->value(QString::number(finished[r] + 2)), nullptr);
        }
    }
    // The seed and the delays make some kills fall in the middle of a change; say how many.
    RecordProperty("caughtMidChange", caughtMidChange);
    EXPECT_GT(caughtMidChange, 10);
}

TEST(RegistryFaults, AFullDiskFailsTheWriteAndKeepsTheOldFile)
{
    TempTree tree;
    const QString path = tree.path(QStringLiteral("user.reg"));
    RegistryStore store(path, kRoot);
    ASSERT_TRUE(store.update([](RegistryKey &root) {
        root.createKey(QStringLiteral("Keep"))->setValue(QStringLiteral("v"), RegistryValue::string(QStringLiteral("old")));
    }));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // A file-size limit stands for a full disk: writes past it fail with EFBIG.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = store.update([](RegistryKey &root) {
        root.createKey(QStringLiteral("Keep"))->setValue(QStringLiteral("big"), RegistryValue::binary(QByteArray(256 * 1024, 'x')));
    });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);

    EXPECT_FALSE(written);
    EXPECT_TRUE(store.errorString().startsWith(QStringLiteral("Impossible d'écrire"))) << qPrintable(store.errorString());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".new")));
    // Room again: the next write goes through.
    EXPECT_TRUE(store.update([](RegistryKey &root) { root.createKey(QStringLiteral("After")); }));
}

} // namespace
