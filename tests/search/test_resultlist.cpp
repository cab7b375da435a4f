// The results list as its actions read it: the file a line belongs to (block by block, a file
// deleted since, upper-case paths), result list files byte for byte, the proposed name.
#include "search/core/resultlist.h"
#include "support/qtprinters.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <string>

using testing_support::TempTree;

namespace {

QStringList texts(const search::ResultLines &lines)
{
    QStringList out;
    for (std::size_t i = 0; i < lines.count(); ++i)
        out.append(lines.text(i));
    return out;
}

search::ResultLines store(const QStringList &texts)
{
    search::ResultLines lines;
    for (const QString &text : texts)
        lines.append(text);
    return lines;
}

QStringList decoded(const QByteArray &bytes)
{
    search::ResultLines lines;
    search::decodeResultList(bytes.constData(), static_cast<std::size_t>(bytes.size()), lines);
    return texts(lines);
}

class ResultLines : public testing::Test {
protected:
    void SetUp() override
    {
        first = tree.write("one/first.pas", "x");
        second = tree.write("one/Second.pas", "x");
        third = tree.write("two/third.pas", "x");
        list = {"  ", first, "1 : a", "  ", second, "2 : b", "3 : c", "  ", third, "4 : d", "5 : e"};
    }
    std::optional<QString> fileAt(qsizetype line) const
    {
        return search::fileOfLine(line, [this](qsizetype n) { return list.value(n); });
    }

    TempTree tree;
    QString first, second, third;
    QStringList list;
};

TEST_F(ResultLines, AnyLineOfABlockGivesItsFile)
{
    const std::pair<qsizetype, QString> cases[] = {
        {10, third},  // a match line of the third file's block
        {8, third},   // its header
        {7, second},  // the separator just above a header belongs to the block before
        {6, second}, {4, second}, {2, first}, {1, first},
    };
    for (const auto &[line, file] : cases)
        EXPECT_EQ(fileAt(line).value_or("none"), file) << "line " << line;
    EXPECT_FALSE(fileAt(0)); // the separator before the first header
}

TEST_F(ResultLines, DeletedFileGivesNoFile)
{
    ASSERT_TRUE(QFile::remove(third));
    EXPECT_FALSE(fileAt(10));
    EXPECT_EQ(search::headerOfLine(10, [this](qsizetype n) { return list.value(n); }).value_or("none"), third);
    EXPECT_EQ(fileAt(6).value_or("none"), second);
}

TEST(ResultListHeaders, ShapeOfAHeader)
{
    const std::pair<QString, bool> cases[] = {
        {"/home/a/b.pas", true}, {"  ", false}, {"", false}, {"12 : x", false}, {"0 : ", false},
        {"12: x", true}, {"12 :x", true}, {"a12 : x", true}, {"C:\\X.PAS", true},
    };
    for (const auto &[line, header] : cases)
        EXPECT_EQ(search::isHeaderLine(line), header) << line.toStdString();
}

TEST_F(ResultLines, UpperCasePathsFindTheRealFile)
{
    list[4] = second.toUpper();
    EXPECT_EQ(fileAt(5).value_or("none"), second);
    EXPECT_EQ(search::existingFile(first.toUpper()).value_or("none"), first);
    EXPECT_EQ(search::existingFile(tree.path("ONE/../TWO/THIRD.PAS")).value_or("none"),
              tree.root() + "/one/../two/third.pas");
}

TEST_F(ResultLines, WhatIsNotAFileNamesNone)
{
    for (const QString &line : {tree.path("one"), tree.path("one").toUpper(), QString(), QStringLiteral("  "),
                                QStringLiteral("12 : ") + first, first + QChar(0), QString(100000, 'a'),
                                tree.path("one/first.pas/more")})
        EXPECT_FALSE(search::existingFile(line)) << line.left(80).toStdString();
}

TEST(ResultListFile, SavedAndLoadedByteForByte)
{
    TempTree tree;
    const QStringList lines = {QStringLiteral("  "), tree.path("caf\u00E9/\u00E9t\u00E9.pas"),
                               QStringLiteral("12 : \tif (a < b) { return \"\u20AC\"; }"), QString(),
                               QString(200000, 'L'), QStringLiteral("3 : fin")};
    const QString path = tree.path("hello wo.LST");
    QString error;
    ASSERT_TRUE(search::saveResultList(path, store(lines), &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QByteArray expected;
    for (const QString &line : lines)
        expected += line.toUtf8() + "\r\n";
    EXPECT_EQ(bytes, expected);

    search::ResultLines loaded;
    ASSERT_TRUE(search::loadResultList(path, &loaded, &error)) << error.toStdString();
    EXPECT_EQ(texts(loaded), lines);
    ASSERT_TRUE(search::saveResultList(tree.path("again.LST"), loaded, &error));
    QFile again(tree.path("again.LST"));
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), bytes);
}

TEST(ResultListFile, AnyTextFileLoads)
{
    EXPECT_EQ(decoded("a\nb\rc\r\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(decoded("caf\xE9\r\n\r\n"), (QStringList{"caf\u00E9", ""}));
    EXPECT_TRUE(decoded("").isEmpty());
    TempTree tree;
    search::ResultLines lines = store({"kept"});
    QString error;
    EXPECT_FALSE(search::loadResultList(tree.path("missing.LST"), &lines, &error));
    EXPECT_TRUE(error.contains("missing.LST")) << error.toStdString();
    EXPECT_EQ(texts(lines), QStringList{"kept"});
    EXPECT_FALSE(search::loadResultList(tree.root(), &lines, &error));
    EXPECT_FALSE(search::saveResultList(tree.path("no/folder/x.LST"), lines, &error));
}

// A file is read a megabyte at a time: lines and CR LF pairs cut between two reads come
// through whole, and the list matches one decoded in a single piece.
TEST(ResultListFile, LargeFileReadInPieces)
{
    QByteArray bytes;
    int n = 0;
    while (bytes.size() < (3 << 20)) {
        const char *ends[] = {"\r\n", "\n", "\r"};
        bytes += QByteArray::number(n) + " : ligne \xE9t\xE9 " + QByteArray(n % 97, 'x') + ends[n % 3];
        ++n;
    }
    for (const qsizetype cut : {(1 << 20) - 1, (2 << 20) - 2})
        bytes[cut] = '\r', bytes[cut + 1] = '\n';
    TempTree tree;
    const QString path = tree.write("big.LST", bytes);
    search::ResultLines loaded;
    QString error;
    ASSERT_TRUE(search::loadResultList(path, &loaded, &error)) << error.toStdString();
    EXPECT_EQ(texts(loaded), decoded(bytes));
    EXPECT_GT(loaded.count(), 40000u);
}

// The store behind the results list: lines across many pages, blocks of lines, the longest
// line, a line that holds a line feed, clearing.
TEST(ResultLinesStore, HoldsEveryLineByItsNumber)
{
    search::ResultLines lines;
    std::string block;
    for (int i = 0; i < 200000; ++i)
        block += std::to_string(i) + " : " + std::string(static_cast<std::size_t>(i % 50), 'a') + "\n";
    lines.append(std::string_view("  "));
    lines.appendBlock(block.data(), block.size(), 200000);
    lines.append(QStringLiteral("/tmp/odd\nname.pas"));
    lines.append(QString(3 << 20, u'\u00e9'));
    ASSERT_EQ(lines.count(), 200003u);
    EXPECT_EQ(lines.line(0), "  ");
    EXPECT_EQ(lines.line(1), "0 : ");
    EXPECT_EQ(lines.line(123457), "123456 : " + std::string(123456 % 50, 'a'));
    EXPECT_EQ(lines.line(200000), "199999 : " + std::string(199999 % 50, 'a'));
    EXPECT_EQ(lines.text(200001), QStringLiteral("/tmp/odd\nname.pas"));
    EXPECT_EQ(lines.text(200002).size(), 3 << 20);
    EXPECT_EQ(lines.longestLine(), 200002u);
    EXPECT_EQ(lines.textBytes(), 2 + block.size() - 200000 + 17 + (6u << 20));
    lines.clear();
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(lines.textBytes(), 0u);
}

TEST(ResultListFile, ProposedName)
{
    const std::pair<QString, QString> cases[] = {
        {"hello world", "hello wo.LST"}, {"abc", "abc.LST"}, {"", ".LST"}, {"a/b/c/d/e", "a_b_c_d_.LST"},
        {QStringLiteral("\U0001F600\U0001F600bcdefgh"), QStringLiteral("\U0001F600\U0001F600bcdefg.LST")},
    };
    for (const auto &[text, name] : cases)
        EXPECT_EQ(search::proposedListName(text), name);
}

TEST(ResultListFile, RunnableFiles)
{
    TempTree tree;
    const QString script = tree.write("run.sh", "#!/bin/sh\n");
    QFile(script).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(search::isRunnableFile(script));
    EXPECT_TRUE(search::isRunnableFile(tree.write("SETUP.EXE", "MZ")));
    EXPECT_TRUE(search::isRunnableFile(tree.write("go.bat", "@echo")));
    EXPECT_FALSE(search::isRunnableFile(tree.write("notes.txt", "x")));
    EXPECT_FALSE(search::isRunnableFile(tree.mkdir("folder.exe")));
}

} // namespace
