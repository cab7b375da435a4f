// The characters of an editor's text, held in blocks of at most a few million characters so
// that a text of hundreds of megabytes costs two bytes a character and an edit moves at most one
// block. Line breaks are held as '\n' whatever the file had (CR LF and lone CR included).
// Positions count characters from the start; each line break is one character.
#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace editor {

class TextBuffer {
public:
    /// \a maxBlock: the most characters a block holds (an edit moves at most that many).
    explicit TextBuffer(qsizetype maxBlock = 1 << 20);

    qsizetype length() const { return m_length; }
    bool isEmpty() const { return m_length == 0; }
    /// The number of lines: line breaks plus one (an empty text has one empty line).
    qsizetype lineCount() const { return m_breaks + 1; }
    /// The length in characters of the longest line seen so far; an edit that shortens the
    /// longest line may leave this larger than it is.
    qsizetype longestLine() const { return m_longestLine; }

    QChar at(qsizetype position) const;
    /// The text from \a from to \a to, clamped to the text.
    QString text(qsizetype from, qsizetype to) const;
    QString toString() const { return text(0, m_length); }
    /// Offers \a visit the text from \a from to \a to in consecutive pieces, without copying.
    void visit(qsizetype from, qsizetype to, const std::function<void(QStringView)> &visit) const;

    /// The line (0-based) that holds \a position; the end of the text is on the last line.
    qsizetype lineOf(qsizetype position) const;
    /// The position of the first character of \a line (clamped to the lines there are).
    qsizetype lineStart(qsizetype line) const;
    /// Where the line that holds \a position ends: at its line break, or at the end of the text.
    qsizetype lineEndAt(qsizetype position) const;
    /// The length of \a line, without its line break.
    qsizetype lineLength(qsizetype line) const;
    QString lineText(qsizetype line) const { return text(lineStart(line), lineStart(line) + lineLength(line)); }

    /// Inserts \a text at \a position; its CR LF pairs and lone CRs become line breaks. Returns
    /// the number of characters inserted.
    qsizetype insert(qsizetype position, QStringView text);
    /// Removes the characters from \a from to \a to.
    void remove(qsizetype from, qsizetype to);
    /// Adds text at the end, its line breaks already '\n': how a file is read in.
    void append(QString text);
    void clear();

    /// \a text with CR LF pairs and lone CRs made '\n'; a final CR stays a break.
    static QString normalized(QStringView text);

private:
    struct Block {
        QString text;
        qsizetype breaks = 0;
    };
    /// The block that holds \a position and the position of its first character; the end of the
    /// text belongs to the last block.
    std::size_t blockAt(qsizetype position, qsizetype *blockStart) const;
    /// Sums of the blocks from \a first on, after an edit changed block \a first.
    void refreshSums(std::size_t first);
    void splitIfLarge(std::size_t index);
    /// Takes the lines from the one holding \a from to the one holding \a to into longestLine().
    void noteLongLines(qsizetype from, qsizetype to);

    qsizetype m_maxBlock;
    std::vector<Block> m_blocks;
    // For block i: characters and line breaks in the blocks before it.
    std::vector<qsizetype> m_startOf;
    std::vector<qsizetype> m_breaksBefore;
    qsizetype m_length = 0;
    qsizetype m_breaks = 0;
    qsizetype m_longestLine = 0;
    qsizetype m_tail = 0; ///< the length of the last line, or -1 when not known
};

} // namespace editor
