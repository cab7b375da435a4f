// The block scanner must give exactly what reading the text line by line gives: the same
// matching lines with the same numbers and texts, and the same count of lines read.
#include "search/core/filescanner.h"
#include "search/core/lineends.h"
#include "search/core/substringfinder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct Match {
    std::int64_t line;
    std::string head;
    bool operator==(const Match &) const = default;
};

struct Outcome {
    std::vector<Match> matches;
    std::int64_t lines = 0;
    bool operator==(const Outcome &) const = default;
};

std::string upper(std::string s)
{
    for (char &c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return s;
}

// The line-by-line rules, written as plainly as possible.
Outcome reference(const std::string &text, const std::string &needle, bool caseSensitive, bool firstOnly)
{
    Outcome out;
    std::string data = text.substr(0, text.find('\x1a'));
    const std::string want = caseSensitive ? needle : upper(needle);
    std::size_t pos = 0;
    while (pos < data.size()) {
        std::size_t end = pos;
        while (end < data.size() && data[end] != '\r' && data[end] != '\n')
            ++end;
        std::string line = data.substr(pos, end - pos);
        pos = end;
        if (pos < data.size()) {
            if (data[pos] == '\r' && pos + 1 < data.size() && data[pos + 1] == '\n')
                pos += 2;
            else
                ++pos;
        }
        ++out.lines;
        const std::string tested = caseSensitive ? line : upper(line);
        if (tested.find(want) != std::string::npos) {
            out.matches.push_back({out.lines, line.substr(0, search::ScanHeadBytes)});
            if (firstOnly)
                return out;
        }
    }
    return out;
}

class Recorder : public search::ScanListener {
public:
    void matchedLine(std::int64_t line, const char *text, std::size_t size) override
    {
        matches.push_back({line, std::string(text, std::min(size, search::ScanHeadBytes))});
    }
    bool checkpoint(std::int64_t) override { return true; }
    std::vector<Match> matches;
};

Outcome scan(const std::string &text, const std::string &needle, bool caseSensitive, bool firstOnly,
             std::size_t block = 4096)
{
    search::FileScanner scanner(QByteArray::fromStdString(needle), caseSensitive, firstOnly, block);
    Recorder recorder;
    const auto result = scanner.scan(text.data(), text.size(), recorder);
    return {recorder.matches, result.linesRead};
}

void expectSame(const std::string &text, const std::string &needle)
{
    for (bool caseSensitive : {true, false})
        for (bool firstOnly : {true, false})
            EXPECT_EQ(scan(text, needle, caseSensitive, firstOnly), reference(text, needle, caseSensitive, firstOnly))
                << "needle '" << needle << "' case " << caseSensitive << " first " << firstOnly
                << " text size " << text.size();
}

TEST(FileScanner, SmallCasesMatchTheLineByLineRules)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "abc"},
        {"abc", "abc"},
        {"abc\r\n", "abc"},
        {"x\r\nabc\r\n\r\nabc abc\r\n", "abc"},
        {"one\ntwo abc\nthree\n", "abc"},          // LF alone ends a line
        {"one\rtwo abc\rthree", "abc"},            // CR alone too
        {"a\r\n\r\n\n\r\rabc", "abc"},
        {"abc\x1a" "abc\r\nabc", "abc"},           // Ctrl-Z ends the text
        {"\x1a" "abc", "abc"},
        {"aBc\r\nABC\r\nab c", "abc"},
        {"\xc3\xa9t\xc3\xa9\r\n\xc3\x89T\xc3\x89", "\xc3\xa9"}, // é is not folded to É
        {"zzabcabczz\r\n", "abc"},                 // twice on a line: one match line
        {"trailing\r", "ing"},
    };
    for (const auto &[text, needle] : cases)
        expectSame(text, needle);
}

TEST(FileScanner, CaseFoldingIsAsciiOnly)
{
    EXPECT_EQ(scan("xx aBc yy", "abc", false, false).matches.size(), 1u);
    EXPECT_EQ(scan("xx aBc yy", "abc", true, false).matches.size(), 0u);
    EXPECT_EQ(scan("[{]", "[", false, false).matches.size(), 1u); // '[' | 0x20 is '{': no false match
    EXPECT_EQ(scan("{{{", "[", false, false).matches.size(), 0u);
    EXPECT_EQ(scan("\xc3\x89", "\xc3\xa9", false, false).matches.size(), 0u);
}

TEST(FileScanner, StringsThatCannotMatchStillCountLines)
{
    const Outcome out = scan("a\r\nb\nc", "a\nb", false, false);
    EXPECT_TRUE(out.matches.empty());
    EXPECT_EQ(out.lines, 3);
}

// Random texts with every kind of line end, long lines and matches near block boundaries,
// scanned with small blocks so that every carry path runs many times.
TEST(FileScanner, RandomTextsMatchTheLineByLineRules)
{
    std::mt19937 random(12345);
    const std::vector<std::string> needles = {"a", "abc", "Needle", "xyzzy-long-needle-0123456789"};
    for (int round = 0; round < 400; ++round) {
        const std::string &needle = needles[static_cast<std::size_t>(round) % needles.size()];
        std::string text;
        const int lines = static_cast<int>(random() % 60);
        for (int i = 0; i < lines; ++i) {
            const int shape = static_cast<int>(random() % 10);
            const std::size_t length = shape == 0 ? random() % 9000 : random() % 120;
            for (std::size_t k = 0; k < length; ++k)
                text += static_cast<char>("abcNEDLxyz -\xc3"[random() % 13]);
            if (random() % 4 == 0) {
                const std::size_t at = random() % (text.size() + 1);
                text.insert(at, random() % 2 ? needle : upper(needle));
            }
            switch (random() % 4) {
            case 0: text += "\r\n"; break;
            case 1: text += "\n"; break;
            case 2: text += "\r"; break;
            default: text += "\n\r"; break;
            }
        }
        if (random() % 5 == 0)
            text.insert(random() % (text.size() + 1), "\x1a");
        for (bool caseSensitive : {true, false})
            for (bool firstOnly : {true, false}) {
                const Outcome want = reference(text, needle, caseSensitive, firstOnly);
                ASSERT_EQ(scan(text, needle, caseSensitive, firstOnly, 4096), want) << "round " << round;
                ASSERT_EQ(scan(text, needle, caseSensitive, firstOnly, 65536), want) << "round " << round;
            }
    }
}

TEST(FileScanner, BoundaryCasesAroundOneBlock)
{
    const std::size_t block = 4096;
    for (std::size_t shift = 0; shift < 8; ++shift) {
        // A CR LF cut by the block boundary, and a match cut by it.
        std::string crlf(block - 1 - shift, 'x');
        crlf += "\r\nabc\r\n";
        expectSame(crlf, "abc");
        std::string cut(block - 2 + shift, 'y');
        cut += "abc tail\r\nnext abc";
        expectSame(cut, "abc");
        // A line longer than a block with its match after the first block.
        std::string longLine(3 * block + shift, 'z');
        longLine += "abc" + std::string(50, 'q') + "\r\nabc";
        expectSame(longLine, "abc");
    }
}

TEST(FileScanner, LongMatchingLineKeepsItsHead)
{
    std::string text = "start";
    text += std::string(20000, 'm');
    text += "abc\r\n";
    const Outcome out = scan(text, "abc", true, false);
    ASSERT_EQ(out.matches.size(), 1u);
    EXPECT_EQ(out.matches[0].line, 1);
    EXPECT_EQ(out.matches[0].head.substr(0, 8), "startmmm");
    EXPECT_EQ(out.matches[0].head.size(), search::ScanHeadBytes);
}

TEST(SubstringFinder, EveryKernelFindsTheFirstOccurrence)
{
    using Kernel = search::SubstringFinder::Kernel;
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string hay(random() % 300, 'a');
        for (char &c : hay)
            c = "abAB-x"[random() % 6];
        const std::string needle = round % 3 == 0 ? "b" : round % 3 == 1 ? "aB-" : "x-xA";
        for (bool caseSensitive : {true, false}) {
            const std::string h = caseSensitive ? hay : upper(hay);
            const std::size_t want = h.find(caseSensitive ? needle : upper(needle));
            for (Kernel kernel : {Kernel::Scalar, Kernel::Sse2, Kernel::Avx2}) {
                search::SubstringFinder finder(QByteArray::fromStdString(needle), caseSensitive);
                if (kernel == Kernel::Avx2 && finder.kernel() != Kernel::Avx2)
                    continue;
                finder.forceKernel(kernel);
                const char *hit = finder.find(hay.data(), hay.data() + hay.size());
                EXPECT_EQ(hit ? static_cast<std::size_t>(hit - hay.data()) : std::string::npos, want)
                    << "round " << round << " kernel " << static_cast<int>(kernel);
            }
        }
    }
}

TEST(LineEnds, CountsEachKindOnce)
{
    const std::string text = "a\r\nb\rc\nd\n\r\r\n";
    EXPECT_EQ(search::countLineEnds(text.data(), text.data() + text.size()), 6u);
    std::string big;
    for (int i = 0; i < 1000; ++i)
        big += i % 3 == 0 ? "xx\r\n" : i % 3 == 1 ? "y\n" : "zzz\r";
    EXPECT_EQ(search::countLineEnds(big.data(), big.data() + big.size()), 1000u);
}

} // namespace
