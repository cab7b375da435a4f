// The walk on worker threads against the walk on the caller's thread alone: on the same trees
// they tell the sink the same lines, events and counters, byte for byte, whatever the number
// of workers and however small the window, the chunks and the budget (so that files wait for
// room and results arrive in many parts); stopped in the middle, both stop at the same place;
// a read error ends both at the same file; files that change while read and special files
// disturb neither.
#include "search/core/parallelwalk.h"
#include "search/core/searcherror.h"
#include "search/core/sequentialwalk.h"
#include "search/recordingsink.h"
#include "support/qtprinters.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

#include <QFile>

#include <atomic>
#include <chrono>
#include <cstring>
#include <random>
#include <thread>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using search::ParallelWalk;
using search::SearchProgress;
using search::SearchRequest;
using search::SequentialWalk;
using search::WalkMode;
using testing_support::TempTree;

namespace {

struct Outcome {
    QStringList lines;
    QStringList events;
    SearchProgress progress;
    bool completed = false;
    bool failed = false;
};

using StopRule = std::function<bool(const RecordingSink &)>;

Outcome sequential(const SearchRequest &request, const StopRule &stop = {})
{
    RecordingSink sink;
    sink.stopWhen = stop;
    Outcome outcome;
    try {
        SequentialWalk walk(sink, request, outcome.progress);
        outcome.completed = walk.run();
    } catch (const search::FileReadError &) {
        outcome.failed = true;
    }
    outcome.lines = sink.lines;
    outcome.events = sink.events;
    return outcome;
}

Outcome parallel(const SearchRequest &request, int workers, ParallelWalk::Limits limits, const StopRule &stop = {})
{
    RecordingSink sink;
    sink.stopWhen = stop;
    Outcome outcome;
    try {
        ParallelWalk walk(sink, request, outcome.progress, workers, limits);
        EXPECT_TRUE(walk.start());
        outcome.completed = walk.run();
    } catch (const search::FileReadError &) {
        outcome.failed = true;
    }
    outcome.lines = sink.lines;
    outcome.events = sink.events;
    return outcome;
}

void expectSame(const Outcome &one, const Outcome &many)
{
    EXPECT_EQ(many.lines, one.lines);
    EXPECT_EQ(many.events, one.events);
    EXPECT_EQ(many.progress.filesFound, one.progress.filesFound);
    EXPECT_EQ(many.progress.filesExamined, one.progress.filesExamined);
    EXPECT_EQ(many.progress.linesExamined, one.progress.linesExamined);
    EXPECT_EQ(many.completed, one.completed);
    EXPECT_EQ(many.failed, one.failed);
}

// Limits so small that every mechanism comes into play on a small tree.
ParallelWalk::Limits tiny()
{
    ParallelWalk::Limits limits;
    limits.windowFiles = 3;
    limits.chunkBytes = 64;
    limits.bufferBudget = 256;
    return limits;
}

SearchRequest request(const QString &folder, const QString &text, bool caseSensitive, bool first,
                      const QString &extension = search::AllFilesCode, WalkMode mode = WalkMode::WithSubfolders)
{
    SearchRequest r;
    r.folder = folder;
    r.text = text;
    r.caseSensitive = caseSensitive;
    r.firstOccurrence = first;
    r.extension = extension;
    r.walkMode = mode;
    return r;
}

// A seeded tree of every shape the walk meets: nested folders, dot folders, files large and
// small with every line end, Ctrl-Z, bytes that are not UTF-8, long lines, empty files.
void fillTree(const TempTree &tree, unsigned seed)
{
    std::mt19937 random(seed);
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const char *words[] = {"alpha", "Needle", "needle", "NEEDLE", "beta", "caf\xc3\xa9", "\xe9t\xe9", "x", "\t", "needl", "eedle"};
    const char *ends[] = {"\r\n", "\n", "\r"};
    for (int f = 0; f < 120; ++f) {
        QString folder = QStringLiteral("d%1/s%2").arg(pick(6)).arg(pick(3));
        if (pick(10) == 0)
            folder += QStringLiteral("/.hidden");
        QByteArray body;
        const int lines = pick(10) == 0 ? 3000 : pick(40);
        for (int l = 0; l < lines; ++l) {
            const int count = pick(12);
            for (int w = 0; w < count; ++w) {
                body += words[pick(11)];
                body += ' ';
            }
            if (pick(200) == 0)
                body += QByteArray(300 + pick(2000), 'n');
            body += ends[pick(3)];
        }
        if (pick(15) == 0)
            body.insert(pick(static_cast<int>(body.size()) + 1), '\x1a');
        static const char *names[] = {"f%1.pas", "F%1.TXT", "g%1.c", "h%1"};
        tree.write(folder + '/' + QString::fromLatin1(names[pick(4)]).arg(f), body);
    }
    tree.write(QStringLiteral("empty.pas"), QByteArray());
}

TEST(ParallelWalk, SameResultsAsOneThreadInEveryMode)
{
    TempTree tree;
    fillTree(tree, 7);
    for (const bool caseSensitive : {false, true}) {
        for (const bool first : {true, false}) {
            for (const QString &extension : {search::AllFilesCode, QStringLiteral("PAS")}) {
                for (const WalkMode mode : {WalkMode::WithSubfolders, WalkMode::FolderOnly}) {
                    const SearchRequest r = request(tree.root(), QStringLiteral("needle"), caseSensitive, first, extension, mode);
                    SCOPED_TRACE(QStringLiteral("case %1 first %2 ext %3 mode %4").arg(caseSensitive).arg(first)
                                     .arg(extension).arg(int(mode)).toStdString());
                    const Outcome one = sequential(r);
                    EXPECT_TRUE(one.completed);
                    expectSame(one, parallel(r, 2, ParallelWalk::Limits{}));
                    expectSame(one, parallel(r, 4, tiny()));
                }
            }
        }
    }
}

TEST(ParallelWalk, ManyMatchesArriveInPartsInOrder)
{
    // Every line matches: results far beyond the budget, cut in many chunks.
    TempTree tree;
    QByteArray big;
    for (int i = 0; i < 20000; ++i)
        big += "line " + QByteArray::number(i) + (i % 3 ? "\r\n" : "\n");
    tree.write("a/big.txt", big);
    tree.write("a/small.txt", "line\r\n");
    tree.write("b/big2.txt", big);
    const SearchRequest r = request(tree.root(), QStringLiteral("LINE"), false, false);
    const Outcome one = sequential(r);
    ASSERT_EQ(one.lines.size(), 3 * 2 + 40001);
    expectSame(one, parallel(r, 3, tiny()));
    ParallelWalk::Limits small;
    small.chunkBytes = 4096;
    small.bufferBudget = 8192;
    expectSame(one, parallel(r, 2, small));
}

TEST(ParallelWalk, StopsWhereOneThreadStops)
{
    TempTree tree;
    for (int i = 0; i < 60; ++i)
        tree.write(QStringLiteral("d%1/f.pas").arg(i, 2, 10, QChar('0')), "hit\r\nhit\r\n");
    const SearchRequest r = request(tree.root(), QStringLiteral("HIT"), false, false);
    for (const int after : {1, 7, 30}) {
        SCOPED_TRACE(after);
        const StopRule stop = [after](const RecordingSink &s) { return s.events.count(QStringLiteral("left")) >= after; };
        const Outcome one = sequential(r, stop);
        EXPECT_FALSE(one.completed);
        expectSame(one, parallel(r, 3, tiny(), stop));
        expectSame(one, parallel(r, 2, ParallelWalk::Limits{}, stop));
    }
}

TEST(ParallelWalk, StopInsideALargeFileKeepsWhatWasFound)
{
    TempTree tree;
    QByteArray big;
    for (int i = 0; i < 200000; ++i)
        big += "hit " + QByteArray::number(i) + "\n";
    tree.write("big.txt", big);
    const SearchRequest r = request(tree.root(), QStringLiteral("HIT"), false, false);
    const Outcome whole = sequential(r);
    const StopRule stop = [](const RecordingSink &s) { return s.lines.size() > 1000; };
    const Outcome stopped = parallel(r, 2, tiny(), stop);
    EXPECT_FALSE(stopped.completed);
    ASSERT_GT(stopped.lines.size(), 1000);
    ASSERT_LT(stopped.lines.size(), whole.lines.size());
    EXPECT_EQ(stopped.lines, whole.lines.mid(0, stopped.lines.size()));
    EXPECT_EQ(stopped.progress.filesFound, 1);
    EXPECT_EQ(stopped.progress.filesExamined, 1);
    EXPECT_LE(stopped.progress.linesExamined, 200000);
}

TEST(ParallelWalk, ReadErrorEndsAtTheSameFile)
{
    TempTree tree;
    tree.write("a.pas", "x\r\n");
    tree.write("m/after.pas", "x\r\n");
    // /proc/self/mem is a regular file whose first bytes cannot be read.
    ASSERT_EQ(symlink("/proc/self/mem", qPrintable(tree.path("l.pas"))), 0);
    const SearchRequest r = request(tree.root(), QStringLiteral("X"), false, true);
    const Outcome one = sequential(r);
    EXPECT_TRUE(one.failed);
    EXPECT_EQ(one.lines.size(), 3);
    expectSame(one, parallel(r, 2, ParallelWalk::Limits{}));
    expectSame(one, parallel(r, 3, tiny()));
}

TEST(ParallelWalk, SpecialFilesAndLinksAreNeverOpened)
{
    TempTree tree;
    tree.write("real.pas", "needle\r\n");
    tree.write("target/inside.pas", "needle\r\n");
    ASSERT_EQ(mkfifo(qPrintable(tree.path("pipe.pas")), 0644), 0);
    ASSERT_EQ(symlink(qPrintable(tree.root()), qPrintable(tree.path("loop"))), 0);
    ASSERT_EQ(symlink(qPrintable(tree.path("nowhere")), qPrintable(tree.path("dangling.pas"))), 0);
    const int unixSocket = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(tree.path("sock.pas"));
    ASSERT_LT(static_cast<std::size_t>(socketPath.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), static_cast<std::size_t>(socketPath.size()));
    ASSERT_EQ(bind(unixSocket, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    const SearchRequest r = request(tree.root(), QStringLiteral("NEEDLE"), false, true, QStringLiteral("PAS"));
    const Outcome one = sequential(r);
    EXPECT_EQ(one.progress.filesExamined, 2);
    expectSame(one, parallel(r, 3, tiny()));
    close(unixSocket);
}

// A file that grows and one that is cut to nothing again and again while the search reads
// them: the search ends, every other file's results are whole, and those two give at most
// what they held.
TEST(ParallelWalk, FilesChangingWhileReadDisturbNothingElse)
{
    TempTree tree;
    fillTree(tree, 11);
    const QString growing = tree.write("d0/growing.txt", "needle\n");
    const QString shrinking = tree.write("d1/shrinking.txt", QByteArray(1 << 20, 'a') + "needle\n");
    const SearchRequest r = request(tree.root(), QStringLiteral("needle"), false, false);
    std::atomic<bool> done{false};
    std::thread changer([&] {
        QFile grow(growing);
        if (!grow.open(QIODevice::Append))
            return;
        QByteArray chunk;
        for (int i = 0; i < 200; ++i)
            chunk += "needle grows\n";
        while (!done) {
            grow.write(chunk);
            grow.flush();
            if (truncate(qPrintable(shrinking), 0) != 0 || truncate(qPrintable(shrinking), 1 << 20) != 0)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    const auto others = [&](const Outcome &o) {
        QStringList kept;
        bool skip = false;
        for (qsizetype i = 0; i < o.lines.size(); ++i) {
            if (o.lines[i] == u"  " && i + 1 < o.lines.size())
                skip = o.lines[i + 1] == growing || o.lines[i + 1] == shrinking;
            if (!skip)
                kept.append(o.lines[i]);
        }
        return kept;
    };
    const Outcome one = sequential(r);
    const Outcome many = parallel(r, 3, tiny());
    done = true;
    changer.join();
    EXPECT_TRUE(one.completed);
    EXPECT_TRUE(many.completed);
    EXPECT_EQ(others(many), others(one));
}

} // namespace

namespace {

// The options change what both walks read and write, never that they agree: folders left out,
// UTF-16 files decoded, lines written as JSON objects, alone and together.
TEST(ParallelWalk, SameResultsAsOneThreadWithEachOption)
{
    TempTree tree;
    fillTree(tree, 5);
    QByteArray utf16 = "\xff\xfe";
    for (int i = 0; i < 2000; ++i)
        for (const char c : QByteArray("needle ") + QByteArray::number(i) + (i % 5 ? "\r\n" : "\n")) {
            utf16 += c;
            utf16 += '\0';
        }
    tree.write("d2/s0/wide.txt", utf16);
    QByteArray bigEndian = "\xfe\xff";
    for (const char c : QByteArray("one\nNEEDLE two\n")) {
        bigEndian += '\0';
        bigEndian += c;
    }
    tree.write("d4/wide.pas", bigEndian);
    const struct {
        QStringList excluded;
        bool utf16;
        search::LineFormat format;
    } cases[] = {
        {{QStringLiteral("s1"), QStringLiteral("d3")}, false, search::LineFormat::ResultList},
        {{}, true, search::LineFormat::ResultList},
        {{}, false, search::LineFormat::JsonLines},
        {{QStringLiteral("s2")}, true, search::LineFormat::JsonLines},
    };
    for (const auto &c : cases) {
        for (const bool first : {true, false}) {
            SearchRequest r = request(tree.root(), QStringLiteral("needle"), false, first);
            r.excludedFolders = c.excluded;
            r.utf16 = c.utf16;
            r.lineFormat = c.format;
            SCOPED_TRACE(QStringLiteral("excluded %1 utf16 %2 json %3 first %4").arg(c.excluded.join(u' ')).arg(c.utf16)
                             .arg(int(c.format)).arg(first).toStdString());
            const Outcome one = sequential(r);
            EXPECT_TRUE(one.completed);
            expectSame(one, parallel(r, 2, ParallelWalk::Limits{}));
            expectSame(one, parallel(r, 4, tiny()));
        }
    }
}

} // namespace
