// The core of the search window's options: where the search string lies in a result line,
// the lines around a line of a file, their reading off the caller's thread (only the last
// question answered, a hung read never waited for), and the editor command table.
#include "search/core/blockheader.h"
#include "search/core/contextfetcher.h"
#include "search/core/editorcommand.h"
#include "search/core/filecontext.h"
#include "search/core/matchspans.h"
#include "search/core/resultlist.h"
#include "support/temptree.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <semaphore>

#include <sys/stat.h>

using namespace search;
using testing_support::TempTree;

namespace {

struct SpanCase {
    const char *line;
    const char *pattern;
    bool caseSensitive;
    QList<MatchSpan> spans;
};

TEST(MatchSpans, FoundInTheTextOfMatchLinesOnly)
{
    const SpanCase cases[] = {
        {"12 : FOO BAR FOO", "FOO", false, {{5, 3}, {13, 3}}},
        {"12 : foo bar FOO", "foo", true, {{5, 3}}},
        {"12 : Foo bar fOO", "FOO", false, {{5, 3}, {13, 3}}},
        // Only ASCII letters fold: é is not É.
        {"3 : CAFÉ café", "CAFÉ", false, {{4, 4}}},
        // Occurrences do not overlap.
        {"1 : aaaa", "aa", true, {{4, 2}, {6, 2}}},
        // The number and the " : " are not searched.
        {"12 : x", "12", true, {}},
        {"1 : 1 : 1", "1", true, {{4, 1}, {8, 1}}},
        // Headers and separators are not match lines, even when they hold the string.
        {"/data/foo.pas", "foo", true, {}},
        {"  ", " ", true, {}},
        {"12 :x foo", "foo", true, {}},
        {"5 : foo", "", false, {}},
        {"5 : fo", "foo", false, {}},
    };
    for (const SpanCase &c : cases) {
        const MatchPattern pattern{QString::fromUtf8(c.pattern), c.caseSensitive};
        EXPECT_EQ(matchLineSpans(QString::fromUtf8(c.line), pattern), c.spans) << c.line << " / " << c.pattern;
    }
    EXPECT_EQ(matchLinePrefix(u"123 : x"), 6);
    EXPECT_EQ(matchLinePrefix(u"x : 1"), 0);
}

TEST(BlockHeader, FoundOnTheBytesAsTheListActionsFindIt)
{
    // Separators, match lines, a line of no-break spaces (blank as text), headers.
    const QStringList shown = {"12 : before any header", "  ", "/d/a.pas", "1 : x", "22 : y", "\t \u00a0",
                               "  ", "/d/b 1 : c.pas", "3 : z", "3 :not a match line", "4 : w"};
    ResultLines lines;
    for (const QString &line : shown)
        lines.append(line);
    for (std::size_t line = 0; line < lines.count() + 2; ++line) {
        const auto expected = headerOfLine(static_cast<qsizetype>(std::min(line, lines.count() - 1)),
                                           [&shown](qsizetype n) { return shown.value(n); });
        const auto found = headerLineAbove(lines, line);
        ASSERT_EQ(found.has_value(), expected.has_value()) << line;
        if (found) {
            EXPECT_EQ(shown[static_cast<qsizetype>(*found)], *expected) << line;
        }
    }
    EXPECT_EQ(headerLineAbove(lines, 8), 7u);
    EXPECT_EQ(headerLineAbove(lines, 10), 9u);
    EXPECT_EQ(headerLineAbove(lines, 6), 2u);
    EXPECT_FALSE(headerLineAbove(ResultLines(), 0).has_value());
}

TEST(FileContext, LinesAroundALineAsTheSearchNumbersThem)
{
    TempTree tree;
    // CR LF, CR alone and LF alone each end a line; Ctrl-Z ends the text.
    const QString path = tree.write("a.txt", "l1\r\nl2\rl3\nl4\r\n\r\nl6\nl7\nl8\nl9\x1al10\n");
    FileContext c = readFileContext(path, 5, 3);
    EXPECT_TRUE(c.error.isEmpty()) << c.error.toStdString();
    EXPECT_EQ(c.firstLine, 2);
    EXPECT_EQ(c.lines, QStringList({"l2", "l3", "l4", "", "l6", "l7", "l8"}));
    c = readFileContext(path, 2, 3);
    EXPECT_EQ(c.firstLine, 1);
    EXPECT_EQ(c.lines, QStringList({"l1", "l2", "l3", "l4", ""}));
    c = readFileContext(path, 8, 3);
    EXPECT_EQ(c.lines, QStringList({"", "l6", "l7", "l8", "l9"}));
    EXPECT_EQ(c.firstLine, 5);

    // Bytes that are not UTF-8 are Windows-1252; a huge line is cut, never inside a character.
    const QByteArray longLine = QByteArray("x") + QByteArray(3 * ContextLineLength, '\xe9');
    const QString odd = tree.write("b.txt", "caf\xe9\ncaf\xc3\xa9\n" + longLine + "\n");
    c = readFileContext(odd, 1, 3);
    EXPECT_EQ(c.lines.value(0), QStringLiteral("café"));
    EXPECT_EQ(c.lines.value(1), QStringLiteral("café"));
    EXPECT_EQ(c.lines.value(2).size(), ContextLineLength);
    const QString emoji = tree.write("c.txt", QByteArray("a") + QByteArray("\xf0\x9f\x98\x80").repeated(ContextLineLength));
    c = readFileContext(emoji, 1, 0);
    ASSERT_EQ(c.lines.size(), 1);
    EXPECT_EQ(c.lines[0].size(), ContextLineLength - 1);
    EXPECT_FALSE(c.lines[0].back().isHighSurrogate());
}

TEST(FileContext, WhatCannotBeReadIsSaid)
{
    TempTree tree;
    const QString path = tree.write("short.txt", "one\ntwo\n");
    EXPECT_EQ(readFileContext(path, 3, 3).error, "La ligne 3 n'est plus dans le fichier " + path + ".");
    EXPECT_TRUE(readFileContext(path, 3, 3).lines.isEmpty());
    EXPECT_EQ(readFileContext(tree.path("gone.txt"), 1, 3).error,
              "Impossible de lire le fichier " + tree.path("gone.txt") + ".");
    // A FIFO is never opened: reading it would wait for a writer.
    const QString fifo = tree.path("fifo.txt");
    ASSERT_EQ(mkfifo(fifo.toUtf8().constData(), 0644), 0);
    EXPECT_EQ(readFileContext(fifo, 1, 3).error, "Impossible de lire le fichier " + fifo + ".");
    EXPECT_EQ(readHeaderContext(tree.path("gone.txt"), 1, 3).error,
              "Le fichier " + tree.path("gone.txt") + " n'existe plus.");
    // A header in upper case finds the file as the list's actions do.
    EXPECT_EQ(readHeaderContext(path.toUpper(), 2, 3).lines, QStringList({"one", "two"}));
}

// A reader whose reads of the file "slow" wait until they are let go.
struct SlowFiles {
    std::counting_semaphore<16> release{0};
    std::atomic<int> finished{0};
    // The reader keeps the files alive: a read may outlast the fetcher.
    static ContextFetcher::Reader reader(const std::shared_ptr<SlowFiles> &files)
    {
        return [files](const QString &header, qint64 line) {
            if (header == QLatin1String("slow"))
                files->release.acquire();
            FileContext c;
            c.file = header;
            c.line = line;
            c.lines = {header + QString::number(line)};
            ++files->finished;
            return c;
        };
    }
};

TEST(ContextFetcher, OnlyTheLastQuestionIsAnsweredAndAHungReadIsNotWaitedFor)
{
    auto files = std::make_shared<SlowFiles>();
    {
        ContextFetcher fetcher(SlowFiles::reader(files));
        QSignalSpy ready(&fetcher, &ContextFetcher::ready);
        QSignalSpy waiting(&fetcher, &ContextFetcher::waiting);
        // Questions asked quickly one after the other: only the last is answered.
        for (int line = 1; line <= 50; ++line)
            fetcher.fetch(QStringLiteral("fast"), line);
        ASSERT_TRUE(ready.wait(5000));
        QTest::qWait(50);
        ASSERT_EQ(ready.size(), 1);
        EXPECT_EQ(ready[0][0].value<FileContext>().lines, QStringList({"fast50"}));
        EXPECT_LT(files->finished.load(), 50);

        // A hung file: the waiting message comes, then the next question is answered at once.
        ready.clear();
        fetcher.fetch(QStringLiteral("slow"), 7);
        ASSERT_TRUE(waiting.wait(5000));
        fetcher.fetch(QStringLiteral("fast"), 8);
        ASSERT_TRUE(ready.wait(5000));
        EXPECT_EQ(ready.last()[0].value<FileContext>().lines, QStringList({"fast8"}));
        // The hung read's answer, once it comes, is dropped.
        const int before = files->finished.load();
        files->release.release();
        QTRY_COMPARE_WITH_TIMEOUT(files->finished.load(), before + 1, 5000);
        QTest::qWait(100);
        EXPECT_EQ(ready.size(), 1);

        // A cancelled question gets no answer.
        fetcher.fetch(QStringLiteral("fast"), 9);
        fetcher.cancel();
        QTest::qWait(100);
        EXPECT_EQ(ready.size(), 1);

        // The fetcher may go while a read still runs.
        fetcher.fetch(QStringLiteral("slow"), 10);
    }
    const int before = files->finished.load();
    files->release.release();
    QTRY_COMPARE_WITH_TIMEOUT(files->finished.load(), before + 1, 5000);
}

struct LaunchCase {
    const char *configured;
    const char *visual;
    const char *editor;
    qint64 line;
    EditorLaunch expected;
};

TEST(EditorCommand, EachKnownEditorGetsTheLineInItsOwnSyntax)
{
    const QString f = QStringLiteral("/d/a b.c");
    const auto find = [](const QString &name) {
        return name == QLatin1String("x-terminal-emulator") ? QStringLiteral("/usr/bin/x-terminal-emulator") : QString();
    };
    const LaunchCase cases[] = {
        // The options' command first, then $VISUAL, then $EDITOR, then the desktop.
        {"gedit", "kate", "vim", 12, {"gedit", {"+12", f}, false}},
        {"", "kate", "vim", 12, {"kate", {"-l", "12", f}, false}},
        {"", "", "/usr/bin/emacs", 12, {"/usr/bin/emacs", {"+12", f}, false}},
        {"", "", "", 12, {"", {f}, true}},
        {"  ", " ", "", 12, {"", {f}, true}},
        // VS Code and its kin.
        {"code --wait", "", "", 7, {"code", {"--wait", "--goto", f + ":7"}, false}},
        {"codium", "", "", 7, {"codium", {"--goto", f + ":7"}, false}},
        {"subl", "", "", 7, {"subl", {f + ":7"}, false}},
        {"kwrite", "", "", 3, {"kwrite", {"-l", "3", f}, false}},
        {"emacsclient -c", "", "", 3, {"emacsclient", {"-c", "+3", f}, false}},
        // Text-mode editors run in a terminal.
        {"", "", "vim", 4, {"/usr/bin/x-terminal-emulator", {"-e", "vim", "+4", f}, false}},
        {"nano", "", "", 4, {"/usr/bin/x-terminal-emulator", {"-e", "nano", "+4", f}, false}},
        {"/usr/bin/nvim", "", "", 4, {"/usr/bin/x-terminal-emulator", {"-e", "/usr/bin/nvim", "+4", f}, false}},
        // An editor the program does not know gets the file alone; a header line gives no line.
        {"mousepad", "", "", 4, {"mousepad", {f}, false}},
        {"gedit", "", "", 0, {"gedit", {f}, false}},
        // A command written with %f and %l is taken as written.
        {"myed --line=%l \"%f\"", "", "", 9, {"myed", {"--line=9", f}, false}},
        {"\"/opt/my editor/ed\" %f", "", "", 9, {"/opt/my editor/ed", {f}, false}},
    };
    for (const LaunchCase &c : cases) {
        const auto launch = editorLaunch({c.configured, c.visual, c.editor}, f, c.line, find);
        ASSERT_TRUE(launch.has_value()) << c.configured << c.visual << c.editor;
        EXPECT_EQ(*launch, c.expected) << c.configured << " | " << c.visual << " | " << c.editor << " -> "
                                       << launch->program.toStdString() << " "
                                       << launch->arguments.join(' ').toStdString();
    }
    // No terminal for a text-mode editor, or a command that cannot be read: nothing to run.
    EXPECT_FALSE(editorLaunch({"vi", "", ""}, f, 1, [](const QString &) { return QString(); }).has_value());
    EXPECT_FALSE(editorLaunch({"\"", "", ""}, f, 1, find).has_value());
    EXPECT_EQ(editorProfile("/usr/local/bin/kate").syntax, LineSyntax::DashL);
    EXPECT_EQ(editorProfile("vimx").syntax, LineSyntax::None);
}

} // namespace
