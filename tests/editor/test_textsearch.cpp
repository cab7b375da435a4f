// The editor's text search: direction, case, whole words and their word-start rule, limits.
#include "editor/core/textsearch.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

using editor::FindOptions;

struct Case {
    const char *name;
    const char *text;
    qsizetype selectionStart;
    qsizetype selectionLength;
    const char *pattern;
    FindOptions options;
    qsizetype expected; // -1: not found
};

constexpr FindOptions Down{true, false, false};
constexpr FindOptions DownCase{true, true, false};
constexpr FindOptions DownWord{true, false, true};
constexpr FindOptions Up{false, false, false};
constexpr FindOptions UpWord{false, false, true};

const Case Cases[] = {
    {"down_ignores_case", "xx Hello hello", 0, 0, "hello", Down, 3},
    {"down_starts_after_selection", "xx Hello hello", 3, 5, "hello", Down, 9},
    {"down_match_case", "xx Hello hello", 0, 0, "hello", DownCase, 9},
    {"down_nothing_after", "hello there", 0, 5, "hello", Down, -1},
    {"down_at_very_end", "abcde", 0, 0, "de", Down, 3},
    {"up_ends_before_selection", "abc abc abc", 8, 3, "abc", Up, 4},
    {"up_from_end", "abc abc abc", 11, 0, "abc", Up, 8},
    {"up_reaches_start", "abc abc abc", 4, 0, "abc", Up, 0},
    {"up_before_start", "abc abc abc", 2, 0, "abc", Up, -1},
    {"accented_letters_upper_cased", "xx \u00C9T\u00C9 \u00E9t\u00E9", 0, 0, "\u00E9t\u00E9", Down, 3},
    {"accented_letters_match_case", "xx \u00C9T\u00C9 \u00E9t\u00E9", 0, 0, "\u00E9t\u00E9", DownCase, 7},
    {"whole_word_finds_the_word_at_the_caret", "foo bar foo", 0, 0, "foo", DownWord, 0},
    {"whole_word_caret_before_a_later_word", "x foo bar", 2, 0, "foo", DownWord, 2},
    {"whole_word_caret_inside_a_word_skips_it", "cat concat cat", 1, 0, "cat", DownWord, 11},
    {"whole_word_after_a_selected_word", "cat concat cat", 0, 3, "cat", DownWord, 11},
    {"whole_word_from_inside_a_delimiter_run", " cat", 0, 0, "cat", DownWord, 1},
    {"whole_word_needs_a_delimiter_after", "x catalog cat", 0, 0, "cat", DownWord, 10},
    {"whole_word_end_of_text_is_a_delimiter", "x cat", 0, 0, "cat", DownWord, 2},
    {"whole_word_accent_is_a_delimiter", "x \u00E9cat", 0, 0, "cat", DownWord, 3},
    {"whole_word_not_inside_a_word", "x concat", 0, 0, "cat", DownWord, -1},
    {"whole_word_up", "cat concat cat", 14, 0, "cat", UpWord, 11},
    {"whole_word_up_finds_the_first_word", "cat concat cat", 11, 3, "cat", UpWord, 0},
    {"empty_pattern", "abc", 0, 0, "", Down, -1},
    {"empty_text", "", 0, 0, "a", Down, -1},
    {"pattern_longer_than_text", "ab", 0, 0, "abc", Down, -1},
    {"digits_are_word_characters", "x 1cat cat", 0, 0, "cat", DownWord, 7},
};

class TextSearch : public testing::TestWithParam<Case> {};

TEST_P(TextSearch, FindsWhereExpected)
{
    const Case &c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    const auto found = editor::findText(text, c.selectionStart, c.selectionLength, QString::fromUtf8(c.pattern), c.options);
    EXPECT_EQ(found.value_or(-1), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextSearch, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case> &test) { return std::string(test.param.name); });

TEST(TextSearchLimits, SearchesBeyondSixteenBits)
{
    // 65,536 characters before the word: a 16-bit length would leave nothing to search.
    const QString text = QString(65536, QLatin1Char('a')) + QStringLiteral(" needle ") + QString(70000, QLatin1Char('b'));
    EXPECT_EQ(editor::findText(text, 0, 0, QStringLiteral("NEEDLE"), Down).value_or(-1), 65537);
    EXPECT_EQ(editor::findText(text, text.size(), 0, QStringLiteral("needle"), Up).value_or(-1), 65537);
}

TEST(TextSearchLimits, SelectionOutsideTheTextFindsNothing)
{
    const QString text = QStringLiteral("abc");
    EXPECT_FALSE(editor::findText(text, 10, 0, QStringLiteral("a"), Down));
    EXPECT_FALSE(editor::findText(text, -1, 0, QStringLiteral("a"), Up));
}

TEST(TextSearchSuccessive, MarksEveryOccurrenceInTheDirection)
{
    const QString text = QStringLiteral("one two one three one");
    EXPECT_EQ(editor::findSuccessive(text, 0, 0, QStringLiteral("one"), Down), (QList<qsizetype>{0, 8, 18}));
    EXPECT_EQ(editor::findSuccessive(text, 9, 0, QStringLiteral("one"), Down), (QList<qsizetype>{18}));
    EXPECT_EQ(editor::findSuccessive(text, 9, 0, QStringLiteral("one"), Up), (QList<qsizetype>{0}));
    EXPECT_TRUE(editor::findSuccessive(text, 0, 0, QStringLiteral("four"), Down).isEmpty());
    // Overlapping occurrences: each search starts after the one found.
    EXPECT_EQ(editor::findSuccessive(QStringLiteral("aaaa"), 0, 0, QStringLiteral("aa"), Down), (QList<qsizetype>{0, 2}));
}

} // namespace
