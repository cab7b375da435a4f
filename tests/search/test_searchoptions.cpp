// The search's options, each on and off: folders left out of the walk in both modes, files
// with a UTF-16 byte-order mark searched as their decoded text (Qt's own UTF-16 codec is the
// reference), and matching lines written as JSON objects (read back by Qt's JSON parser).
#include "platform/textcodec.h"
#include "search/core/asciicase.h"
#include "search/core/filescanner.h"
#include "search/core/jsonlines.h"
#include "search/core/searchengine.h"
#include "search/core/utf16decoder.h"
#include "search/recordingsink.h"
#include "support/qtprinters.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

using search::FileScanner;
using search::SearchEngine;
using search::SearchRequest;
using search::Utf16Decoder;
using search::WalkMode;
using testing_support::TempTree;

namespace {

QByteArray utf16Bytes(const QString &text, Utf16Decoder::Order order, bool mark = true)
{
    QByteArray bytes;
    const bool big = order == Utf16Decoder::Order::BigEndian;
    if (mark)
        bytes += big ? QByteArray("\xfe\xff", 2) : QByteArray("\xff\xfe", 2);
    for (const QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8);
        const char low = static_cast<char>(c.unicode() & 0xff);
        bytes += big ? high : low;
        bytes += big ? low : high;
    }
    return bytes;
}

// Decodes \a bytes (after their mark) handing the decoder at most \a sourceStep bytes per read
// and asking for at most \a room bytes at a time.
QByteArray decode(const QByteArray &bytes, std::size_t sourceStep, std::size_t room,
                  std::vector<std::int64_t> *offsets = nullptr)
{
    const auto order = Utf16Decoder::byteOrder(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    EXPECT_TRUE(order.has_value());
    qsizetype at = std::min<qsizetype>(bytes.size(), 4); // two bytes after the mark are handed over up front
    Utf16Decoder decoder(*order,
                         [&](char *to, std::size_t n) {
                             const qsizetype take = std::min<qsizetype>({static_cast<qsizetype>(n),
                                 static_cast<qsizetype>(sourceStep), bytes.size() - at});
                             std::memcpy(to, bytes.constData() + at, static_cast<std::size_t>(take));
                             at += take;
                             return static_cast<long>(take);
                         },
                         bytes.constData() + 2, static_cast<std::size_t>(std::min<qsizetype>(bytes.size(), 4) - 2),
                         std::size_t(1) << 30);
    QByteArray out;
    std::vector<char> buffer(room);
    for (;;) {
        const long got = decoder.read(buffer.data(), room);
        EXPECT_GE(got, 0);
        if (got <= 0)
            break;
        out.append(buffer.data(), got);
    }
    if (offsets) {
        // The file offset of every character start of the decoded text.
        for (qsizetype i = 0; i < out.size(); ++i)
            if ((static_cast<unsigned char>(out[i]) & 0xC0) != 0x80)
                offsets->push_back(decoder.fileOffset(i));
    }
    return out;
}

TEST(Utf16Decoder, DecodesLikeQtWhateverTheReadSizes)
{
    const QString text = QString::fromUtf8("plain ASCII, caf\xc3\xa9, \xe2\x82\xac, \xf0\x9f\x98\x80 and \xf0\x90\x8d\x88\r\nline two\n\x1a");
    for (const auto order : {Utf16Decoder::Order::LittleEndian, Utf16Decoder::Order::BigEndian}) {
        const QByteArray bytes = utf16Bytes(text, order);
        for (const std::size_t step : {1u, 3u, 4096u}) {
            for (const std::size_t room : {1u, 2u, 5u, 4096u}) {
                SCOPED_TRACE(testing::Message() << "order " << int(order) << " step " << step << " room " << room);
                std::vector<std::int64_t> offsets;
                EXPECT_EQ(decode(bytes, step, room, &offsets), text.toUtf8());
                // Each character lies where its units are: 2 bytes of mark, 2 or 4 per character.
                std::vector<std::int64_t> expected;
                for (qsizetype i = 0; i < text.size(); ++i)
                    if (!text[i].isLowSurrogate())
                        expected.push_back(2 + 2 * i);
                EXPECT_EQ(offsets, expected);
            }
        }
    }
}

TEST(Utf16Decoder, UnitsThatAreNoCharacterBecomeReplacements)
{
    const QByteArray replacement("\xef\xbf\xbd");
    const struct {
        const char *name;
        QByteArray littleEndian; // after the mark
        QByteArray utf8;
    } cases[] = {
        {"lone high surrogate", QByteArray("\x3d\xd8" "a\0", 4), replacement + "a"},
        {"lone low surrogate", QByteArray("\x00\xdc" "a\0", 4), replacement + "a"},
        {"high surrogate at the end", QByteArray("a\0\x3d\xd8", 4), "a" + replacement},
        {"two high surrogates", QByteArray("\x3d\xd8\x3d\xd8\x00\xde", 6), replacement + "\xf0\x9f\x98\x80"},
        {"odd last byte", QByteArray("a\0b", 3), "a" + replacement},
        {"nothing after the mark", QByteArray(), QByteArray()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decode(QByteArray("\xff\xfe", 2) + c.littleEndian, 1, 1), c.utf8);
        EXPECT_EQ(decode(QByteArray("\xff\xfe", 2) + c.littleEndian, 4096, 4096), c.utf8);
    }
}

TEST(Utf16Decoder, OnlyAMarkAtTheStartCounts)
{
    EXPECT_TRUE(Utf16Decoder::byteOrder("\xff\xfe", 2) == Utf16Decoder::Order::LittleEndian);
    EXPECT_TRUE(Utf16Decoder::byteOrder("\xfe\xff", 2) == Utf16Decoder::Order::BigEndian);
    EXPECT_FALSE(Utf16Decoder::byteOrder("\xff", 1));
    EXPECT_FALSE(Utf16Decoder::byteOrder("\xef\xbb\xbf", 3)); // the UTF-8 mark is not one
    EXPECT_FALSE(Utf16Decoder::byteOrder("a\xff\xfe", 3));
}

struct Found {
    std::int64_t line;
    std::string head;
    std::int64_t offset;
    bool operator==(const Found &) const = default;
};

struct Scan {
    std::vector<Found> found;
    std::int64_t lines = 0;
    bool operator==(const Scan &) const = default;
};

class OffsetRecorder : public search::ScanListener {
public:
    explicit OffsetRecorder(const FileScanner &scanner) : m_scanner(scanner) {}
    void matchedLine(std::int64_t line, const char *text, std::size_t size) override
    {
        found.push_back({line, std::string(text, size), m_scanner.matchOffset()});
    }
    bool checkpoint(std::int64_t) override { return true; }
    std::vector<Found> found;

private:
    const FileScanner &m_scanner;
};

Scan scan(const QByteArray &bytes, const QByteArray &needle, bool caseSensitive, bool utf16, std::size_t block = 4096)
{
    FileScanner scanner(needle, caseSensitive, false, block);
    scanner.setUtf16(utf16);
    OffsetRecorder recorder(scanner);
    const auto result = scanner.scan(bytes.constData(), static_cast<std::size_t>(bytes.size()), recorder);
    return {recorder.found, result.linesRead};
}

// The first occurrence of each matching line, found line by line in the UTF-8 text: its offset
// in the UTF-8 text, and where its units start in the UTF-16 form of the text.
std::vector<std::pair<std::int64_t, std::int64_t>> referenceOffsets(const QString &text, const QString &needle,
                                                                    bool caseSensitive)
{
    std::vector<std::pair<std::int64_t, std::int64_t>> offsets;
    const QString scanned = text.left(text.indexOf(QChar(0x1a)) < 0 ? text.size() : text.indexOf(QChar(0x1a)));
    qsizetype pos = 0;
    while (pos < scanned.size()) {
        qsizetype end = pos;
        while (end < scanned.size() && scanned[end] != u'\r' && scanned[end] != u'\n')
            ++end;
        const QString line = scanned.mid(pos, end - pos);
        const qsizetype at = caseSensitive ? line.indexOf(needle) : search::asciiUpper(line).indexOf(search::asciiUpper(needle));
        if (at >= 0)
            offsets.push_back({text.left(pos + at).toUtf8().size(), 2 + 2 * (pos + at)});
        pos = end;
        if (pos < scanned.size())
            pos += (scanned[pos] == u'\r' && pos + 1 < scanned.size() && scanned[pos + 1] == u'\n') ? 2 : 1;
    }
    return offsets;
}

TEST(FileScannerUtf16, MarkedFilesScanAsTheirDecodedText)
{
    std::mt19937 random(3);
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const char *words[] = {"alpha", "Needle", "needle", "NEEDLE", "caf\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80",
                           "needl", "\t", "nee\xc3\xa9"};
    const char *ends[] = {"\r\n", "\n", "\r"};
    for (int round = 0; round < 12; ++round) {
        QString text;
        const int lines = 50 + pick(400);
        for (int l = 0; l < lines; ++l) {
            for (int w = pick(10); w > 0; --w)
                text += QString::fromUtf8(words[pick(10)]) + u' ';
            if (pick(20) == 0) // lines longer than what the scanner keeps of them
                text += QString(3000 + pick(9000), QChar(pick(2) ? 0x78 : 0xe9));
            text += QString::fromLatin1(ends[pick(3)]);
        }
        if (round % 4 == 3) {
            qsizetype at = pick(static_cast<int>(text.size()));
            if (text[at].isLowSurrogate())
                --at;
            text.insert(at, QChar(0x1a));
        }
        const QString needle = round % 2 ? QStringLiteral("needle") : QString::fromUtf8("\xf0\x9f\x98\x80 n");
        for (const bool caseSensitive : {false, true}) {
            SCOPED_TRACE(testing::Message() << "round " << round << " case " << caseSensitive);
            const Scan asUtf8 = scan(text.toUtf8(), needle.toUtf8(), caseSensitive, false);
            const auto reference = referenceOffsets(text, needle, caseSensitive);
            ASSERT_EQ(asUtf8.found.size(), reference.size());
            for (const auto order : {Utf16Decoder::Order::LittleEndian, Utf16Decoder::Order::BigEndian}) {
                Scan asUtf16 = scan(utf16Bytes(text, order), needle.toUtf8(), caseSensitive, true);
                ASSERT_EQ(asUtf16.found.size(), reference.size());
                for (std::size_t i = 0; i < reference.size(); ++i) {
                    EXPECT_EQ(asUtf8.found[i].offset, reference[i].first);
                    EXPECT_EQ(asUtf16.found[i].offset, reference[i].second);
                    asUtf16.found[i].offset = asUtf8.found[i].offset;
                }
                // Same lines, numbers and texts as the same text in UTF-8.
                EXPECT_EQ(asUtf16, asUtf8);
            }
        }
    }
}

TEST(FileScannerUtf16, OffLeavesMarkedFilesToTheirBytes)
{
    const QByteArray marked = utf16Bytes(QStringLiteral("one\r\ntwo needle\r\n"), Utf16Decoder::Order::LittleEndian);
    // As bytes the text is not there, and its units count no line end but their CR LF bytes.
    EXPECT_TRUE(scan(marked, "needle", false, false).found.empty());
    EXPECT_EQ(scan(marked, "needle", false, true), (Scan{{{2, "two needle", 20}}, 2}));
    // A file without a mark reads the same either way, however it begins.
    for (const QByteArray &plain : {QByteArray("\xff"), QByteArray("\xfeneedle\n"), QByteArray("needle\r\nx needle")})
        EXPECT_EQ(scan(plain, "needle", false, true), scan(plain, "needle", false, false));
}

TEST(JsonLines, ValidUtf8IsAStringAnythingElseItsBytes)
{
    const struct {
        QByteArray bytes;
        std::size_t valid;
    } cases[] = {
        {"plain", 5},
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", 14},
        {"a\xc0\x80", 1},              // overlong
        {"a\xe0\x80\x80", 1},          // overlong
        {"a\xed\xa0\x80", 1},          // surrogate
        {"a\xf4\x90\x80\x80", 1},      // beyond U+10FFFF
        {"a\xf0\x9f\x98", 1},          // cut
        {"a\xe9t\xe9", 1},             // Windows-1252
        {"a\x80", 1},                  // lone continuation
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        EXPECT_EQ(platform::validUtf8Prefix(c.bytes.constData(), static_cast<std::size_t>(c.bytes.size())), c.valid);
        search::TextBuffer out;
        search::appendJsonText(out, c.bytes.constData(), static_cast<std::size_t>(c.bytes.size()));
        const QJsonDocument document = QJsonDocument::fromJson("[" + QByteArray(out.data(), static_cast<qsizetype>(out.size())) + "]");
        ASSERT_TRUE(document.isArray());
        const QJsonValue value = document.array().at(0);
        if (c.valid == static_cast<std::size_t>(c.bytes.size()))
            EXPECT_EQ(value.toString().toUtf8(), c.bytes);
        else
            EXPECT_EQ(QByteArray::fromBase64(value.toObject().value("bytes").toString().toLatin1()), c.bytes);
    }
}

SearchRequest request(const QString &folder, const QString &text, const QString &extension, WalkMode mode)
{
    SearchRequest r;
    r.folder = folder;
    r.text = text;
    r.extension = extension;
    r.walkMode = mode;
    r.firstOccurrence = false;
    return r;
}

// Every case runs on the caller's thread alone and with worker threads.
class Options : public ::testing::TestWithParam<int> {};

TEST_P(Options, ExcludedFoldersAreLeftOutInBothModes)
{
    TempTree tree;
    for (const char *name : {"a.pas", "node_modules/b.pas", "sub/build/c.pas", "sub/Build/d.pas", "sub/deep/node_modules/e.pas",
                             "build", "build.pas/f.pas", "keep.pas/node_modules.pas/g.pas"})
        tree.write(name, "find me\r\n");
    const QStringList usual = {QStringLiteral("node_modules"), QStringLiteral("build"), QStringLiteral(".git")};
    const struct {
        QString extension;
        WalkMode mode;
        QStringList excluded;
        QStringList found;
    } cases[] = {
        {"PAS", WalkMode::WithSubfolders, {},
         {"a.pas", "build.pas/f.pas", "keep.pas/node_modules.pas/g.pas", "node_modules/b.pas", "sub/Build/d.pas",
          "sub/build/c.pas", "sub/deep/node_modules/e.pas"}},
        // Names are compared exactly: "Build" and "build.pas" are other folders.
        {"PAS", WalkMode::WithSubfolders, usual,
         {"a.pas", "build.pas/f.pas", "keep.pas/node_modules.pas/g.pas", "sub/Build/d.pas"}},
        // A file of an excluded name is still read.
        {search::AllFilesCode, WalkMode::WithSubfolders, usual,
         {"a.pas", "build", "build.pas/f.pas", "keep.pas/node_modules.pas/g.pas", "sub/Build/d.pas"}},
        {"PAS", WalkMode::FolderOnly, {}, {"a.pas", "build.pas/f.pas", "keep.pas/node_modules.pas/g.pas"}},
        {"PAS", WalkMode::FolderOnly, {QStringLiteral("build.pas"), QStringLiteral("node_modules.pas")}, {"a.pas"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.excluded.join(u' ').toStdString() + " mode " + std::to_string(int(c.mode)));
        SearchRequest r = request(tree.root(), QStringLiteral("FIND"), c.extension, c.mode);
        r.excludedFolders = c.excluded;
        RecordingSink sink;
        SearchEngine(sink, GetParam()).run(r);
        EXPECT_EQ(foundFiles(sink, tree.root()), c.found);
    }
}

TEST_P(Options, Utf16FilesOfBothOrdersAreSearchedWhenAsked)
{
    TempTree tree;
    const QString text = QString::fromUtf8("premi\xc3\xa8re\r\nsecond Needle \xf0\x9f\x98\x80\nthird\n");
    tree.write("be.txt", utf16Bytes(text, Utf16Decoder::Order::BigEndian));
    tree.write("le.txt", utf16Bytes(text, Utf16Decoder::Order::LittleEndian));
    tree.write("no-mark.txt", utf16Bytes(text, Utf16Decoder::Order::LittleEndian, false));
    tree.write("plain.txt", "a needle\n");
    for (const bool utf16 : {false, true}) {
        SCOPED_TRACE(utf16);
        SearchRequest r = request(tree.root(), QStringLiteral("needle"), "TXT", WalkMode::FolderOnly);
        r.utf16 = utf16;
        RecordingSink sink;
        const search::SearchTotals totals = SearchEngine(sink, GetParam()).run(r);
        const QStringList expected = utf16
            ? QStringList{"  ", tree.path("be.txt"), QString::fromUtf8("2 : SECOND NEEDLE \xf0\x9f\x98\x80"), "  ",
                          tree.path("le.txt"), QString::fromUtf8("2 : SECOND NEEDLE \xf0\x9f\x98\x80"), "  ",
                          tree.path("plain.txt"), "1 : A NEEDLE"}
            : QStringList{"  ", tree.path("plain.txt"), "1 : A NEEDLE"};
        EXPECT_EQ(sink.lines, expected);
        EXPECT_EQ(totals.filesExamined, 4);
    }
}

TEST_P(Options, JsonObjectsCarryEveryByteOfPathsAndLines)
{
    TempTree tree;
    tree.write("a.txt", "no\r\nsay \"needle\" \\ \t\x01 here\r\nNEEDLE again\n");
    tree.write(QString::fromLatin1("caf\xe9.txt"), "x\n1252 \xe9t\xe9 needle\n"); // written as UTF-8 name
    const QByteArray oddName = QFile::encodeName(tree.root()) + "/odd\xff.txt";
    {
        // Not through QFile: Qt would not keep a name that is not UTF-8.
        std::FILE *odd = std::fopen(oddName.constData(), "wb");
        ASSERT_NE(odd, nullptr);
        const QByteArray body = "needle " + QByteArray(3000, '\xc3').replace(QByteArray("\xc3\xc3"), "\xc3\xa9") + "\n";
        std::fwrite(body.constData(), 1, static_cast<std::size_t>(body.size()), odd);
        std::fclose(odd);
    }
    // Nor can QTemporaryDir remove it.
    const std::unique_ptr<const char, void (*)(const char *)> removeOdd(oddName.constData(),
                                                                    [](const char *name) { std::remove(name); });
    tree.write("u.txt", utf16Bytes(QStringLiteral("x\nthe needle\n"), Utf16Decoder::Order::BigEndian));

    SearchRequest r = request(tree.root(), QStringLiteral("needle"), "TXT", WalkMode::FolderOnly);
    r.utf16 = true;
    r.lineFormat = search::LineFormat::JsonLines;
    RecordingSink sink;
    SearchEngine(sink, GetParam()).run(r);

    struct Expected {
        QByteArray path;
        int line;
        QByteArray text;
        int offset;
    };
    const QByteArray root = QFile::encodeName(tree.root());
    const Expected expected[] = {
        {root + "/a.txt", 2, "say \"needle\" \\ \t\x01 here", 9},
        {root + "/a.txt", 3, "NEEDLE again", 28},
        {root + "/caf\xc3\xa9.txt", 2, "1252 \xe9t\xe9 needle", 11},
        {oddName, 1, {}, 0},
        {root + "/u.txt", 2, "the needle", 14},
    };
    QList<QJsonObject> matches;
    for (const QString &line : sink.lines) {
        if (line == "  " || !line.startsWith(u'{'))
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
        ASSERT_TRUE(document.isObject()) << error.errorString().toStdString() << " in " << line.toStdString();
        matches.append(document.object());
    }
    ASSERT_EQ(static_cast<std::size_t>(matches.size()), std::size(expected));
    const auto bytesOf = [](const QJsonValue &value) {
        return value.isString() ? value.toString().toUtf8()
                                : QByteArray::fromBase64(value.toObject().value("bytes").toString().toLatin1());
    };
    for (qsizetype i = 0; i < matches.size(); ++i) {
        SCOPED_TRACE(i);
        const QJsonObject &m = matches[i];
        EXPECT_EQ(m.value("type").toString(), "match");
        EXPECT_EQ(bytesOf(m.value("path")), expected[i].path);
        EXPECT_EQ(m.value("line").toInt(), expected[i].line);
        EXPECT_EQ(m.value("offset").toInt(), expected[i].offset);
        if (expected[i].path == oddName) {
            // The scanner keeps the first 1024 bytes of the line: a cut "é" is dropped, the text stays UTF-8.
            EXPECT_TRUE(m.value("text").isString());
            const QByteArray text = bytesOf(m.value("text"));
            EXPECT_EQ(text.size(), 1023);
            EXPECT_TRUE(text.startsWith("needle \xc3\xa9"));
            EXPECT_TRUE(text.endsWith("\xc3\xa9"));
        } else {
            EXPECT_EQ(bytesOf(m.value("text")), expected[i].text);
        }
    }
    // A name and a line that are not UTF-8 keep their bytes.
    EXPECT_TRUE(matches[2].value("text").isObject());
    EXPECT_TRUE(matches[3].value("path").isObject());
}

INSTANTIATE_TEST_SUITE_P(Workers, Options, ::testing::Values(1, 3));

} // namespace
