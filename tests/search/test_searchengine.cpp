// The search engine on real temporary trees: walk modes and masks, which files qualify, the
// result lines, the counters, the stop request and files that cannot be read.
#include "search/core/searchengine.h"
#include "support/temptree.h"
#include "search/recordingsink.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using search::SearchEngine;
using search::SearchRequest;
using search::WalkMode;
using testing_support::TempTree;

namespace {

SearchRequest request(const QString &folder, const QString &text, const QString &extension = "PAS",
                      WalkMode mode = WalkMode::FolderOnly)
{
    SearchRequest r;
    r.folder = folder;
    r.text = text;
    r.extension = extension;
    r.walkMode = mode;
    return r;
}

// Headers of the files found, relative to the tree's root, in result order.
QStringList foundFiles(const RecordingSink &sink, const TempTree &tree)
{
    QStringList files;
    for (int i = 0; i + 1 < sink.lines.size(); ++i)
        if (sink.lines[i] == "  ")
            files.append(sink.lines[i + 1].mid(tree.root().size() + 1));
    return files;
}

// Every case runs on the caller's thread alone and with worker threads.
class Engine : public ::testing::TestWithParam<int> {};

class Walk : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        for (const char *name : {"a.pas", "B.PAS", "notes.txt", "CONFIG.SYS", "x.c", "sub.pas/c.pas", "sub/d.pas",
                                 "sub/deeper/e.pas", ".hidden/f.pas", "sub/.g.pas"})
            tree.write(name, "find me\r\n");
    }
    QStringList run(const QString &extension, WalkMode mode)
    {
        RecordingSink sink;
        SearchEngine engine(sink, GetParam());
        engine.run(request(tree.root(), "FIND", extension, mode));
        return foundFiles(sink, tree);
    }
    TempTree tree;
};

TEST_P(Walk, FolderOnlyEntersOnlyFoldersMatchingTheMask)
{
    EXPECT_EQ(run("PAS", WalkMode::FolderOnly), QStringList({"a.pas", "B.PAS", "sub.pas/c.pas"}));
}

TEST_P(Walk, WithSubfoldersEntersEveryFolderButDotFolders)
{
    EXPECT_EQ(run("PAS", WalkMode::WithSubfolders),
              QStringList({"a.pas", "B.PAS", "sub/.g.pas", "sub/d.pas", "sub/deeper/e.pas", "sub.pas/c.pas"}));
}

TEST_P(Walk, AllFilesCodeWalksEverySubfolderInFolderOnlyMode)
{
    EXPECT_EQ(run(search::AllFilesCode, WalkMode::FolderOnly),
              QStringList({"a.pas", "B.PAS", "CONFIG.SYS", "notes.txt", "sub/.g.pas", "sub/d.pas",
                           "sub/deeper/e.pas", "sub.pas/c.pas", "x.c"}));
}

TEST_P(Walk, QualificationIsASubstringOfTheName)
{
    // With E = C every name holding a C qualifies when all entries are listed.
    EXPECT_EQ(run("C", WalkMode::WithSubfolders), QStringList({"CONFIG.SYS", "sub.pas/c.pas", "x.c"}));
    EXPECT_EQ(run("C", WalkMode::FolderOnly), QStringList({"x.c"}));
}

TEST_P(Engine, ResultLinesCountersAndSummary)
{
    TempTree tree;
    tree.write("one.pas", "first line\r\nHello world\r\nhello again\r\n");
    tree.write("two.pas", "nothing\nat all\n");
    tree.write("three.pas", QByteArray("hello\x1a" "hello\r\n"));
    RecordingSink sink;
    SearchEngine engine(sink, GetParam());
    SearchRequest r = request(tree.root(), "HELLO");
    r.firstOccurrence = false;
    const auto totals = engine.run(r);
    EXPECT_EQ(sink.lines, QStringList({"  ", tree.path("one.pas"), "2 : HELLO WORLD", "3 : HELLO AGAIN", "  ",
                                       tree.path("three.pas"), "1 : HELLO"}));
    EXPECT_EQ(totals.filesFound, 2);
    EXPECT_EQ(totals.filesExamined, 3);
    EXPECT_EQ(totals.linesExamined, 3 + 2 + 1);
    EXPECT_EQ(SearchEngine::summaryText(totals),
              "Recherche terminée \r2 fichier(s) trouvé(s)\r3 fichier(s) examiné(s)\r6 Ligne(s)   examinée(s)");
    EXPECT_EQ(sink.events, QStringList({"started HELLO", "entered " + tree.path("one.pas"),
                                        "matched " + tree.path("one.pas"), "entered " + tree.path("three.pas"),
                                        "matched " + tree.path("three.pas"), "entered " + tree.path("two.pas"),
                                        "left", "ended"}));
    EXPECT_EQ(sink.end, search::SearchEnd::Completed);
    EXPECT_EQ(sink.last.filesFound, 2);
    EXPECT_EQ(sink.last.filesExamined, 3);
    EXPECT_EQ(sink.last.linesExamined, 6);
    EXPECT_EQ(sink.last.lineInFile, 2); // two.pas, read last
}

TEST_P(Engine, FirstOccurrenceStopsTheFileAtItsFirstMatch)
{
    TempTree tree;
    tree.write("f.pas", "a\r\nmatch 1\r\nmatch 2\r\nb\r\n");
    RecordingSink sink;
    SearchEngine engine(sink, GetParam());
    const auto totals = engine.run(request(tree.root(), "MATCH"));
    EXPECT_EQ(sink.lines.mid(2), QStringList({"2 : MATCH 1"}));
    EXPECT_EQ(totals.linesExamined, 2);
}

TEST_P(Engine, CaseSensitiveSearchShowsLinesAsTheyAre)
{
    TempTree tree;
    tree.write("f.pas", "abc\r\naBc x\r\n");
    RecordingSink sink;
    SearchEngine engine(sink, GetParam());
    SearchRequest r = request(tree.root(), "aBc");
    r.caseSensitive = true;
    engine.run(r);
    EXPECT_EQ(sink.lines.mid(2), QStringList({"2 : aBc x"}));
}

TEST_P(Engine, LongLinesAreCutTo255Characters)
{
    TempTree tree;
    QByteArray line(300, 'x');
    line.replace(280, 3, "abc");
    tree.write("f.pas", line + "\r\n" + QByteArray(260, '\xe9') + QByteArray("abc") + "\r\n");
    RecordingSink sink;
    SearchEngine engine(sink, GetParam());
    SearchRequest r = request(tree.root(), "abc");
    r.caseSensitive = true;
    r.firstOccurrence = false;
    engine.run(r);
    ASSERT_EQ(sink.lines.size(), 4);
    EXPECT_EQ(sink.lines[2], "1 : " + QString(255, 'x'));
    // Bytes that are not UTF-8 are shown as Windows-1252: 255 characters, never cut inside one.
    EXPECT_EQ(sink.lines[3], "2 : " + QString(255, QChar(0xE9)));
}

TEST_P(Engine, RootFolderGivesSingleSlashHeaders)
{
    // The request for a root folder carries an empty folder: headers must still be "/name".
    RecordingSink sink;
    SearchEngine engine(sink, GetParam());
    SearchRequest r = request("", "zz-never-found-zz", "NOPE");
    const auto totals = engine.run(r);
    EXPECT_EQ(totals.filesFound, 0);
    EXPECT_EQ(sink.end, search::SearchEnd::Completed);
}

TEST_P(Engine, FifosLinksAndMissingFoldersAreSkipped)
{
    TempTree tree;
    tree.write("real.pas", "needle\r\n");
    tree.write("target/inside.pas", "needle\r\n");
    ASSERT_EQ(mkfifo(qPrintable(tree.path("pipe.pas")), 0644), 0);
    ASSERT_EQ(symlink(qPrintable(tree.path("target")), qPrintable(tree.path("link"))), 0);
    ASSERT_EQ(symlink(qPrintable(tree.root()), qPrintable(tree.path("loop"))), 0);
    ASSERT_EQ(symlink(qPrintable(tree.path("real.pas")), qPrintable(tree.path("alias.pas"))), 0);
    RecordingSink sink;
    SearchEngine engine(sink, GetParam());
    const auto totals = engine.run(request(tree.root(), "NEEDLE", "PAS", WalkMode::WithSubfolders));
    EXPECT_EQ(foundFiles(sink, tree), QStringList({"alias.pas", "real.pas", "target/inside.pas"}));
    EXPECT_EQ(totals.filesExamined, 3);

    RecordingSink gone;
    SearchEngine again(gone, GetParam());
    EXPECT_EQ(again.run(request(tree.path("no-such-folder"), "NEEDLE")).filesExamined, 0);
}

TEST_P(Engine, ReadErrorAbandonsTheSearch)
{
    TempTree tree;
    // /proc/self/mem is a regular file whose first bytes cannot be read.
    ASSERT_EQ(symlink("/proc/self/mem", qPrintable(tree.path("mem.pas"))), 0);
    RecordingSink sink;
    SearchEngine engine(sink, GetParam());
    EXPECT_THROW(engine.run(request(tree.root(), "X")), search::SearchError);
    EXPECT_EQ(sink.end, search::SearchEnd::Failed);
}

TEST_P(Engine, StopRequestEndsTheWalkWithTheCountsReached)
{
    TempTree tree;
    for (int i = 0; i < 50; ++i)
        tree.write(QStringLiteral("d%1/f.pas").arg(i, 2, 10, QChar('0')), "hit\r\n");
    RecordingSink sink;
    sink.stopWhen = [](const RecordingSink &s) { return s.lines.size() >= 6; };
    SearchEngine engine(sink, GetParam());
    const auto totals = engine.run(request(tree.root(), "HIT", "PAS", WalkMode::WithSubfolders));
    EXPECT_EQ(totals.filesFound, 2);
    EXPECT_EQ(totals.filesExamined, 2);
    EXPECT_EQ(sink.end, search::SearchEnd::Stopped);
    EXPECT_EQ(sink.last.filesFound, 2);
    // d00 was walked whole; d01 and the start folder were left unfinished.
    EXPECT_EQ(sink.events.count("left"), 1);
}

// Files and folders the user may not read are skipped; as root everything is readable, so the
// search runs in a child process that has given up its rights.
TEST_P(Engine, UnreadableFilesAndFoldersAreSkippedSilently)
{
    TempTree tree(QStringLiteral("/tmp")); // reachable by the unprivileged child
    tree.write("open.pas", "secret\r\n");
    tree.write("closed.pas", "secret\r\n");
    tree.write("locked/inner.pas", "secret\r\n");
    chmod(qPrintable(tree.root()), 0755);
    chmod(qPrintable(tree.path("closed.pas")), 0);
    chmod(qPrintable(tree.path("locked")), 0);
    int channel[2];
    ASSERT_EQ(pipe(channel), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        RecordingSink sink;
        SearchEngine engine(sink, GetParam());
        const auto totals = engine.run(request(tree.root(), "SECRET", "PAS", WalkMode::WithSubfolders));
        const std::int64_t counts[2] = {totals.filesFound, totals.filesExamined};
        _exit(write(channel[1], counts, sizeof counts) == sizeof counts ? 0 : 3);
    }
    close(channel[1]);
    std::int64_t counts[2] = {-1, -1};
    ASSERT_EQ(read(channel[0], counts, sizeof counts), static_cast<ssize_t>(sizeof counts));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(counts[0], 1);
    EXPECT_EQ(counts[1], 1);
    chmod(qPrintable(tree.path("locked")), 0755);
}

INSTANTIATE_TEST_SUITE_P(Workers, Walk, ::testing::Values(1, 3));
INSTANTIATE_TEST_SUITE_P(Workers, Engine, ::testing::Values(1, 3));

} // namespace
