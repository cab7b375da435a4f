// The editor's text store against a plain string: random edits across blocks of every size give
// the same text, lines and marks; undo and redo walk the edits back and forth.
#include "editor/core/textdocument.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <algorithm>

namespace {

using editor::MarkStyle;
using editor::TextBuffer;
using editor::TextDocument;

QString randomText(QRandomGenerator &random)
{
    static const QStringList pieces = {QStringLiteral("a"),  QStringLiteral("bc"),  QStringLiteral("\n"),
                                       QStringLiteral("\r\n"), QStringLiteral("\r"), QStringLiteral("é"),
                                       QStringLiteral("long line "), QStringLiteral("\n\n")};
    QString text;
    for (int count = random.bounded(6); count > 0; --count)
        text += pieces[random.bounded(int(pieces.size()))];
    return text;
}

void expectSameLines(const TextBuffer &buffer, const QString &model)
{
    ASSERT_EQ(buffer.length(), model.size());
    ASSERT_EQ(buffer.toString(), model);
    const QStringList lines = model.split(u'\n');
    ASSERT_EQ(buffer.lineCount(), lines.size());
    qsizetype start = 0;
    qsizetype longest = 0;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        ASSERT_EQ(buffer.lineStart(line), start) << "line " << line;
        ASSERT_EQ(buffer.lineLength(line), lines[line].size()) << "line " << line;
        ASSERT_EQ(buffer.lineText(line), lines[line]) << "line " << line;
        for (qsizetype at = start; at <= start + lines[line].size(); ++at) {
            ASSERT_EQ(buffer.lineOf(at), line) << "position " << at;
            ASSERT_EQ(buffer.lineEndAt(at), start + lines[line].size()) << "position " << at;
        }
        start += lines[line].size() + 1;
        longest = std::max(longest, lines[line].size());
    }
    EXPECT_GE(buffer.longestLine(), longest);
    for (qsizetype at = 0; at < model.size(); ++at)
        ASSERT_EQ(buffer.at(at), model[at]);
}

TEST(TextBuffer, RandomEditsMatchAString)
{
    for (const qsizetype maxBlock : {qsizetype(2), qsizetype(5), qsizetype(64), qsizetype(1) << 21}) {
        QRandomGenerator random{quint32(maxBlock)};
        TextBuffer buffer(maxBlock);
        QString model;
        for (int step = 0; step < 400; ++step) {
            const qsizetype from = random.bounded(int(model.size() + 1));
            if (random.bounded(3) == 0) {
                const qsizetype to = std::min(model.size(), from + random.bounded(12));
                buffer.remove(from, to);
                model.remove(from, to - from);
            } else if (random.bounded(4) == 0) {
                const QString text = randomText(random);
                buffer.append(text);
                model += TextBuffer::normalized(text);
            } else {
                const QString text = randomText(random);
                EXPECT_EQ(buffer.insert(from, text), TextBuffer::normalized(text).size());
                model.insert(from, TextBuffer::normalized(text));
            }
            ASSERT_NO_FATAL_FAILURE(expectSameLines(buffer, model)) << "block " << maxBlock << ", step " << step;
        }
        for (qsizetype from = 0; from <= model.size(); from += 7)
            EXPECT_EQ(buffer.text(from, from + 11), model.mid(from, 11));
    }
}

TEST(TextBuffer, LineEndsBecomeOneBreak)
{
    EXPECT_EQ(TextBuffer::normalized(u"a\r\nb\rc\n\r\r\nd\r"), QStringLiteral("a\nb\nc\n\n\nd\n"));
    TextBuffer buffer;
    // A file read in pieces: the longest line is known exactly.
    buffer.append(QStringLiteral("12345\n12"));
    buffer.append(QStringLiteral("3456789\n"));
    EXPECT_EQ(buffer.longestLine(), 9);
    EXPECT_EQ(buffer.lineCount(), 3);
}

// Each character's style in a plain list: a character typed between two of one style takes it.
struct MarkModel {
    std::vector<int> styles;
    void insert(qsizetype at, qsizetype count)
    {
        const bool inside = at > 0 && at < qsizetype(styles.size()) && styles[at - 1] >= 0 && styles[at - 1] == styles[at];
        styles.insert(styles.begin() + at, std::size_t(count), inside ? styles[at] : -1);
    }
};

TEST(TextMarks, FollowTheTextThroughEdits)
{
    QRandomGenerator random(7);
    TextDocument document;
    document.setPlainText(QString(60, u'x'));
    MarkModel model{std::vector<int>(60, -1)};
    for (int step = 0; step < 300; ++step) {
        const qsizetype length = document.length();
        const int action = random.bounded(3);
        if (action == 0 && length > 4) {
            // Marks of a new style, apart from one another, as marking gives them.
            const qsizetype size = 1 + random.bounded(3);
            QList<qsizetype> starts;
            for (qsizetype at = random.bounded(4); at + size <= length; at += size + 1 + random.bounded(8))
                starts.prepend(at);
            MarkStyle style;
            style.colour = QColor::fromRgb(QRandomGenerator::global()->generate());
            style.font.setBold(step % 2 == 0);
            document.addMarks(starts, size, style);
            const int index = int(std::find(document.marks().styles().begin(), document.marks().styles().end(), style)
                                  - document.marks().styles().begin());
            for (const qsizetype at : starts)
                std::fill(model.styles.begin() + at, model.styles.begin() + at + size, index);
        } else if (action == 1) {
            const qsizetype at = random.bounded(int(length + 1));
            const qsizetype count = document.replace(at, at, QStringLiteral("yy").left(1 + random.bounded(2))) - at;
            model.insert(at, count);
        } else {
            const qsizetype from = random.bounded(int(length + 1));
            const qsizetype to = std::min(length, from + random.bounded(6));
            document.replace(from, to, QString());
            model.styles.erase(model.styles.begin() + from, model.styles.begin() + to);
        }
        ASSERT_EQ(document.length(), qsizetype(model.styles.size()));
        for (qsizetype at = 0; at < document.length(); ++at)
            ASSERT_EQ(document.marks().styleAt(at), model.styles[std::size_t(at)]) << "step " << step << ", at " << at;
        // Each mark is a whole run of its style.
        const std::vector<editor::Mark> marks = document.marks().between(0, document.length());
        for (std::size_t i = 1; i < marks.size(); ++i)
            ASSERT_TRUE(marks[i - 1].end < marks[i].start || marks[i - 1].style != marks[i].style);
    }
}

TEST(TextDocument, UndoAndRedoWalkTheEdits)
{
    TextDocument document;
    document.setPlainText(QStringLiteral("one\ntwo"));
    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(document.isUndoAvailable());

    // Typed characters go back together; a pasted text, a removal and a break each alone.
    qsizetype caret = 3;
    for (const QChar c : QStringLiteral(" and"))
        caret = document.replace(caret, caret, QString(c));
    EXPECT_TRUE(document.isModified());
    document.replace(0, 0, QStringLiteral("zero\r\n"));
    document.replace(5, 9, QString());
    EXPECT_EQ(document.toPlainText(), QStringLiteral("zero\nand\ntwo"));

    const QStringList back = {QStringLiteral("zero\none and\ntwo"), QStringLiteral("one and\ntwo"),
                              QStringLiteral("one\ntwo")};
    for (const QString &text : back) {
        EXPECT_GE(document.undo(), 0);
        EXPECT_EQ(document.toPlainText(), text);
    }
    EXPECT_EQ(document.undo(), -1);
    EXPECT_EQ(document.redo(), 7);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("one and\ntwo"));
    // A new edit forgets what could be redone.
    document.replace(0, 3, QStringLiteral("1"));
    EXPECT_FALSE(document.isRedoAvailable());
    EXPECT_EQ(document.toPlainText(), QStringLiteral("1 and\ntwo"));
}

} // namespace
