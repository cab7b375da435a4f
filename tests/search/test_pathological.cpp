// The search on trees that push its limits, through vorlane-search: very deep and very wide
// folders, names no other tool expects, special files, link loops, a huge sparse file, a file
// that is one 50 MB line, files that grow or shrink while read. Each search ends with the right
// files and a resident memory that does not follow the size of the tree.
#include "support/temptree.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using testing_support::TempTree;

namespace {

struct SearchRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
    long peakMb = -1; ///< the search's largest resident size
};

QString program()
{
    return qEnvironmentVariable("VORLANE_BUILD_DIR") + QStringLiteral("/src/search/vorlane-search");
}

// Runs vorlane-search under GNU time, which reports its peak resident size on the last line of
// its error output (the search's own output comes before).
SearchRun search(const QStringList &args, const std::function<void()> &meanwhile = {})
{
    QProcess process;
    // Under AddressSanitizer, freed memory is held back up to a quarantine: keep it small so the
    // peak says what the search itself holds.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":quarantine_size_mb=8"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("/usr/bin/time"), QStringList{QStringLiteral("-f"), QStringLiteral("peak-kb %M"), program()} + args);
    EXPECT_TRUE(process.waitForStarted());
    if (meanwhile)
        meanwhile();
    EXPECT_TRUE(process.waitForFinished(600000)) << "the search did not end";
    SearchRun run{process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    const qsizetype at = run.err.lastIndexOf("peak-kb ");
    if (at >= 0) {
        run.peakMb = run.err.mid(at + 8).trimmed().toLong() / 1024;
        run.err.truncate(at);
    }
    // GNU time says so when the program's status was not zero.
    const qsizetype said = run.err.lastIndexOf("Command exited with non-zero status");
    if (said >= 0)
        run.err.truncate(said);
    return run;
}

QByteArray nameBytes(const QString &dir, const QByteArray &name)
{
    return QFile::encodeName(dir) + '/' + name;
}

void writeRaw(const QByteArray &path, const QByteArray &bytes)
{
    FILE *file = std::fopen(path.constData(), "wb");
    ASSERT_NE(file, nullptr) << path.constData();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file);
    std::fclose(file);
}

TEST(Pathological, OddNamesAndSpecialFiles)
{
    TempTree tree;
    const QString dir = tree.root();
    // Names that are not UTF-8, or hold a line end, a CR, a leading dash, "~~".
    for (const QByteArray &name : {QByteArray("bad\xff\xfe.txt"), QByteArray("new\nline.txt"), QByteArray("cr\rname.txt"),
                                   QByteArray("-dash.txt"), QByteArray("~~tilde.txt")})
        writeRaw(nameBytes(dir, name), "a needle here\n");
    // A FIFO nobody writes to, a socket and a device node: never opened (a FIFO would block).
    ASSERT_EQ(mkfifo(nameBytes(dir, "fifo.txt").constData(), 0644), 0);
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = nameBytes(dir, "sock.txt");
    ASSERT_LT(size_t(socketPath.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    if (mknod(nameBytes(dir, "null.txt").constData(), S_IFCHR | 0644, makedev(1, 3)) != 0)
        GTEST_LOG_(INFO) << "no device node (not root): the device case is left out";
    // Links that loop, to themselves and to their own folder.
    ASSERT_EQ(symlink("loop.txt", nameBytes(dir, "loop.txt").constData()), 0);
    QDir().mkpath(dir + QStringLiteral("/sub"));
    ASSERT_EQ(symlink("..", nameBytes(dir, "sub/up").constData()), 0);
    writeRaw(nameBytes(dir, "sub/deep.txt"), "needle\n");

    const SearchRun run = search({QStringLiteral("--subdirs"), QStringLiteral("--ext"), QStringLiteral("txt"), dir, QStringLiteral("needle")});
    close(sock);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("6 fichier(s) trouv")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("6 fichier(s) examin")) << run.err.toStdString();
    // The name that is not UTF-8 is shown with its bytes read as Windows-1252.
    EXPECT_TRUE(run.out.contains(QFile::encodeName(dir) + "/bad\xc3\xbf\xc3\xbe.txt\r\n")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("/-dash.txt\r\n"));
    EXPECT_TRUE(run.out.contains("/~~tilde.txt\r\n"));
    EXPECT_TRUE(run.out.contains("/sub/deep.txt\r\n"));
}

TEST(Pathological, TwoThousandNestedFolders)
{
    TempTree tree;
    QString deep = tree.root();
    for (int i = 0; i < 2000; ++i)
        deep += QStringLiteral("/d");
    ASSERT_TRUE(QDir().mkpath(deep));
    writeRaw(QFile::encodeName(deep) + "/x.txt", "one\ntwo needle\n");
    const SearchRun run = search({QStringLiteral("--subdirs"), QStringLiteral("--ext"), QStringLiteral("txt"), tree.root(), QStringLiteral("needle")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QFile::encodeName(deep) + "/x.txt\r\n2 : TWO NEEDLE\r\n"));
}

TEST(Pathological, HundredThousandFilesInOneFolder)
{
    TempTree tree;
    const QByteArray dir = QFile::encodeName(tree.root());
    for (int i = 0; i < 100000; ++i)
        writeRaw(dir + "/f" + QByteArray::number(i) + ".txt", i == 76543 ? "the needle\n" : "hay\n");
    const SearchRun run = search({QStringLiteral("--ext"), QStringLiteral("txt"), tree.root(), QStringLiteral("needle")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "  \r\n" + dir + "/f76543.txt\r\n1 : THE NEEDLE\r\n");
    EXPECT_TRUE(run.err.contains("100000 fichier(s) examin")) << run.err.toStdString();
    EXPECT_GT(run.peakMb, 0);
    EXPECT_LT(run.peakMb, 100) << "resident memory followed the size of the folder";
}

TEST(Pathological, HugeSparseFileAndOneFiftyMegabyteLine)
{
    TempTree tree;
    const QByteArray dir = QFile::encodeName(tree.root());
    // 5 GB of zeros with no line end, then the string: one line of five gigabytes.
    const QByteArray sparse = dir + "/sparse.txt";
    writeRaw(sparse, QByteArray());
    ASSERT_EQ(truncate(sparse.constData(), 5LL << 30), 0);
    {
        FILE *file = std::fopen(sparse.constData(), "ab");
        std::fputs("needle\n", file);
        std::fclose(file);
    }
    writeRaw(dir + "/long.txt", QByteArray(50 << 20, 'a') + "needle" + QByteArray(1000, 'b') + "\nneedle\n");
    const SearchRun run = search({QStringLiteral("--all"), QStringLiteral("--ext"), QStringLiteral("txt"), tree.root(), QStringLiteral("needle")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("2 fichier(s) trouv")) << run.err.toStdString();
    // Lines are shown cut, so a long line costs no memory of its length.
    EXPECT_TRUE(run.out.contains("/long.txt\r\n1 : " + QByteArray(255, 'A') + "\r\n2 : NEEDLE\r\n")) << run.out.left(400).toStdString();
    EXPECT_TRUE(run.out.contains("/sparse.txt\r\n1 : "));
    EXPECT_GT(run.peakMb, 0);
    EXPECT_LT(run.peakMb, 100) << "resident memory followed the length of a line";
}

TEST(Pathological, FilesThatGrowOrShrinkWhileRead)
{
    TempTree tree;
    const QByteArray dir = QFile::encodeName(tree.root());
    const QByteArray growing = dir + "/growing.txt";
    const QByteArray shrinking = dir + "/shrinking.txt";
    const QByteArray body = QByteArray(64 << 20, 'x') + "\nneedle\n";
    writeRaw(growing, body);
    writeRaw(shrinking, body);
    const SearchRun run = search({QStringLiteral("--ext"), QStringLiteral("txt"), tree.root(), QStringLiteral("needle")}, [&] {
        ASSERT_EQ(truncate(shrinking.constData(), 0), 0);
        FILE *file = std::fopen(growing.constData(), "ab");
        for (int i = 0; i < 200; ++i)
            std::fputs("more needle\n", file);
        std::fclose(file);
    });
    // Whatever each file held when it was read, the search ends normally.
    EXPECT_TRUE(run.status == 0 || run.status == 1) << run.status << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Recherche termin")) << run.err.toStdString();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
