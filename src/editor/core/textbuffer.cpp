#include "editor/core/textbuffer.h"

#include <algorithm>

namespace editor {

namespace {

qsizetype countBreaks(QStringView text)
{
    return std::count(text.utf16(), text.utf16() + text.size(), u'\n');
}

} // namespace

TextBuffer::TextBuffer(qsizetype maxBlock) : m_maxBlock(std::max<qsizetype>(2, maxBlock))
{
    clear();
}

void TextBuffer::clear()
{
    m_blocks.assign(1, Block{});
    m_startOf.assign(1, 0);
    m_breaksBefore.assign(1, 0);
    m_length = 0;
    m_breaks = 0;
    m_longestLine = 0;
    m_tail = 0;
}

QString TextBuffer::normalized(QStringView text)
{
    if (!text.contains(u'\r'))
        return text.toString();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r') {
            out.append(text[i]);
            continue;
        }
        out.append(u'\n');
        if (i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
    }
    return out;
}

std::size_t TextBuffer::blockAt(qsizetype position, qsizetype *blockStart) const
{
    const auto after = std::upper_bound(m_startOf.begin(), m_startOf.end(), position);
    std::size_t index = std::size_t(after - m_startOf.begin()) - 1;
    // A position at a block's end belongs to the next block, the end of the text to the last.
    while (index + 1 < m_blocks.size() && position >= m_startOf[index] + m_blocks[index].text.size())
        ++index;
    *blockStart = m_startOf[index];
    return index;
}

void TextBuffer::refreshSums(std::size_t first)
{
    m_startOf.resize(m_blocks.size());
    m_breaksBefore.resize(m_blocks.size());
    for (std::size_t i = first; i < m_blocks.size(); ++i) {
        m_startOf[i] = i == 0 ? 0 : m_startOf[i - 1] + m_blocks[i - 1].text.size();
        m_breaksBefore[i] = i == 0 ? 0 : m_breaksBefore[i - 1] + m_blocks[i - 1].breaks;
    }
    m_length = m_startOf.back() + m_blocks.back().text.size();
    m_breaks = m_breaksBefore.back() + m_blocks.back().breaks;
}

void TextBuffer::splitIfLarge(std::size_t index)
{
    if (m_blocks[index].text.size() <= m_maxBlock)
        return;
    const QString whole = std::move(m_blocks[index].text);
    std::vector<Block> pieces;
    for (qsizetype at = 0; at < whole.size(); at += m_maxBlock / 2) {
        Block piece{whole.mid(at, m_maxBlock / 2)};
        piece.breaks = countBreaks(piece.text);
        pieces.push_back(std::move(piece));
    }
    m_blocks.erase(m_blocks.begin() + std::ptrdiff_t(index));
    m_blocks.insert(m_blocks.begin() + std::ptrdiff_t(index), std::make_move_iterator(pieces.begin()),
                    std::make_move_iterator(pieces.end()));
    refreshSums(index);
}

QChar TextBuffer::at(qsizetype position) const
{
    if (position < 0 || position >= m_length)
        return QChar();
    qsizetype start = 0;
    const std::size_t index = blockAt(position, &start);
    return m_blocks[index].text[position - start];
}

void TextBuffer::visit(qsizetype from, qsizetype to, const std::function<void(QStringView)> &visit) const
{
    from = std::clamp<qsizetype>(from, 0, m_length);
    to = std::clamp<qsizetype>(to, from, m_length);
    if (from == to)
        return;
    qsizetype start = 0;
    for (std::size_t index = blockAt(from, &start); from < to && index < m_blocks.size(); ++index) {
        const QString &text = m_blocks[index].text;
        const qsizetype begin = from - m_startOf[index];
        const qsizetype count = std::min(to - from, text.size() - begin);
        if (count > 0)
            visit(QStringView(text).mid(begin, count));
        from += count;
    }
}

QString TextBuffer::text(qsizetype from, qsizetype to) const
{
    QString out;
    out.reserve(std::max<qsizetype>(0, std::min(to, m_length) - std::max<qsizetype>(from, 0)));
    visit(from, to, [&out](QStringView piece) { out.append(piece); });
    return out;
}

qsizetype TextBuffer::lineOf(qsizetype position) const
{
    position = std::clamp<qsizetype>(position, 0, m_length);
    qsizetype start = 0;
    const std::size_t index = blockAt(position, &start);
    return m_breaksBefore[index] + countBreaks(QStringView(m_blocks[index].text).first(position - start));
}

qsizetype TextBuffer::lineStart(qsizetype line) const
{
    line = std::clamp<qsizetype>(line, 0, m_breaks);
    if (line == 0)
        return 0;
    // The block that holds the line's break is the last whose breaks before it are fewer.
    const auto after = std::lower_bound(m_breaksBefore.begin(), m_breaksBefore.end(), line);
    const std::size_t index = std::size_t(after - m_breaksBefore.begin()) - 1;
    qsizetype wanted = line - m_breaksBefore[index];
    const QString &text = m_blocks[index].text;
    const char16_t *chars = QStringView(text).utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (chars[i] == u'\n' && --wanted == 0)
            return m_startOf[index] + i + 1;
    }
    return m_length; // not reached: the block holds the break
}

qsizetype TextBuffer::lineEndAt(qsizetype position) const
{
    position = std::clamp<qsizetype>(position, 0, m_length);
    qsizetype start = 0;
    for (std::size_t index = blockAt(position, &start); index < m_blocks.size(); ++index) {
        if (m_blocks[index].breaks == 0)
            continue;
        const QString &text = m_blocks[index].text;
        const qsizetype from = std::max<qsizetype>(0, position - m_startOf[index]);
        const qsizetype found = text.indexOf(u'\n', from);
        if (found >= 0)
            return m_startOf[index] + found;
    }
    return m_length;
}

qsizetype TextBuffer::lineLength(qsizetype line) const
{
    line = std::clamp<qsizetype>(line, 0, m_breaks);
    const qsizetype end = line < m_breaks ? lineStart(line + 1) - 1 : m_length;
    return end - lineStart(line);
}

void TextBuffer::noteLongLines(qsizetype from, qsizetype to)
{
    qsizetype run = 0;
    visit(lineStart(lineOf(from)), lineEndAt(to), [&](QStringView piece) {
        for (const QChar c : piece) {
            if (c == u'\n') {
                m_longestLine = std::max(m_longestLine, run);
                run = 0;
            } else {
                ++run;
            }
        }
    });
    m_longestLine = std::max(m_longestLine, run);
}

qsizetype TextBuffer::insert(qsizetype position, QStringView text)
{
    // Only a text with CRs is rewritten before it goes in; any other goes in as it is.
    QString rewritten;
    if (text.contains(u'\r')) {
        rewritten = normalized(text);
        text = rewritten;
    }
    if (text.isEmpty())
        return 0;
    position = std::clamp<qsizetype>(position, 0, m_length);
    qsizetype start = 0;
    const std::size_t index = blockAt(position, &start);
    Block &block = m_blocks[index];
    block.text.insert(position - start, text);
    block.breaks += countBreaks(text);
    refreshSums(index);
    splitIfLarge(index);
    m_tail = -1;
    noteLongLines(position, position + text.size());
    return text.size();
}

void TextBuffer::remove(qsizetype from, qsizetype to)
{
    from = std::clamp<qsizetype>(from, 0, m_length);
    to = std::clamp<qsizetype>(to, from, m_length);
    while (from < to) {
        qsizetype start = 0;
        const std::size_t index = blockAt(from, &start);
        Block &block = m_blocks[index];
        const qsizetype begin = from - start;
        const qsizetype count = std::min(to - from, block.text.size() - begin);
        block.breaks -= countBreaks(QStringView(block.text).mid(begin, count));
        block.text.remove(begin, count);
        if (block.text.isEmpty() && m_blocks.size() > 1)
            m_blocks.erase(m_blocks.begin() + std::ptrdiff_t(index));
        refreshSums(std::min(index, m_blocks.size() - 1));
        to -= count;
    }
    m_tail = -1;
    noteLongLines(from, from); // taking out a line break joins two lines
}

void TextBuffer::append(QString text)
{
    if (text.contains(u'\r'))
        text = normalized(text);
    if (text.isEmpty())
        return;
    if (m_tail < 0)
        m_tail = lineLength(m_breaks);
    qsizetype breaks = 0;
    qsizetype run = m_tail;
    const char16_t *chars = QStringView(text).utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (chars[i] == u'\n') {
            ++breaks;
            m_longestLine = std::max(m_longestLine, run);
            run = 0;
        } else {
            ++run;
        }
    }
    m_longestLine = std::max(m_longestLine, run);
    m_tail = run;

    Block &last = m_blocks.back();
    if (last.text.size() + text.size() <= m_maxBlock) {
        last.text.append(text);
        last.breaks += breaks;
    } else {
        m_blocks.push_back(Block{std::move(text), breaks});
    }
    refreshSums(m_blocks.size() - 1);
    splitIfLarge(m_blocks.size() - 1);
}

} // namespace editor
