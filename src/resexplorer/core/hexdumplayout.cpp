#include "resexplorer/core/hexdumplayout.h"

#include "platform/textcodec.h"

#include <algorithm>

namespace resexplorer {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

} // namespace

HexDumpLayout::HexDumpLayout()
{
    m_hexRow.fill('\t');
}

void HexDumpLayout::setCell(int charWidth, int rowHeight)
{
    m_charWidth = charWidth;
    m_rowHeight = rowHeight;
}

void HexDumpLayout::setClientSize(int width, int height)
{
    m_clientWidth = width;
    m_clientHeight = height;
}

void HexDumpLayout::recompute()
{
    if (m_rowHeight < 1 || m_charWidth < 1)
        return;
    m_rowsOnScreen = m_clientHeight / m_rowHeight + 1;
    int cells = m_clientWidth / m_charWidth;
    if (m_showAddress)
        cells -= kAddressCells;
    m_bytesPerRow = std::clamp(m_showCharacters ? cells / 4 : cells / 3, 1, kMaxBytesPerRow);
    m_rowCount = static_cast<std::int64_t>(m_dataLength / m_bytesPerRow
                                           + (m_dataLength % m_bytesPerRow ? 1 : 0));
    // A shorter block than the last one starts within its own rows, not past them.
    m_firstRow = clampRow(m_firstRow);
    m_cursorRow = clampRow(m_cursorRow);
}

int HexDumpLayout::bytesOnRow(std::int64_t row) const
{
    if (row < 0 || row >= m_rowCount)
        return 0;
    const auto remainder = static_cast<int>(m_dataLength % m_bytesPerRow);
    return row == m_rowCount - 1 && remainder > 0 ? remainder : m_bytesPerRow;
}

std::int64_t HexDumpLayout::clampRow(std::int64_t row) const
{
    return std::clamp<std::int64_t>(row, 0, std::max<std::int64_t>(m_rowCount - 1, 0));
}

std::int64_t HexDumpLayout::scrollTo(std::int64_t row)
{
    if (m_rowCount == 0)
        return 0;
    const std::int64_t top = clampRow(row);
    const std::int64_t delta = m_firstRow - top;
    m_firstRow = top;
    return delta;
}

std::optional<HexDumpLayout::CursorMove> HexDumpLayout::setCursorRow(std::int64_t row)
{
    if (m_rowCount == 0 || row == m_cursorRow)
        return std::nullopt;
    CursorMove move;
    const auto onScreen = [this](std::int64_t r) {
        return r >= m_firstRow && r < m_firstRow + m_rowsOnScreen - 1;
    };
    if (onScreen(m_cursorRow))
        move.repaintOld = m_cursorRow;
    m_cursorRow = clampRow(row);
    move.row = m_cursorRow;
    if (m_cursorRow < m_firstRow)
        move.scrollTo = m_cursorRow;
    else if (m_cursorRow >= m_firstRow + m_rowsOnScreen - 1)
        move.scrollTo = m_cursorRow - m_rowsOnScreen + 2; // the last row shown whole
    return move;
}

std::optional<std::int64_t> HexDumpLayout::keyTarget(Key key) const
{
    if (m_rowCount == 0)
        return std::nullopt;
    switch (key) {
    case Key::PageUp: return m_cursorRow - m_rowsOnScreen;
    case Key::PageDown: return m_cursorRow + m_rowsOnScreen;
    case Key::End: return m_rowCount - 1;
    case Key::Home: return 0;
    case Key::Up: return m_cursorRow - 1;
    case Key::Down: return m_cursorRow + 1;
    }
    return std::nullopt;
}

std::int64_t HexDumpLayout::rowAt(int y) const
{
    return m_rowHeight > 0 ? y / m_rowHeight + m_firstRow : m_firstRow;
}

QString HexDumpLayout::addressText(const ByteBlock &data, std::int64_t row) const
{
    const std::uint64_t address = data.addressOf(static_cast<std::uint64_t>(row) * m_bytesPerRow);
    return QStringLiteral("%1:").arg(address, 8, 16, QLatin1Char('0')).toUpper();
}

QLatin1StringView HexDumpLayout::hexText(const ByteBlock &data, std::int64_t row)
{
    const int count = bytesOnRow(row);
    if (count == 0)
        return QLatin1StringView();
    const std::uint64_t start = static_cast<std::uint64_t>(row) * m_bytesPerRow;
    for (int i = 0; i < count; ++i) {
        std::uint8_t byte = 0;
        const bool readable = data.byteAt(start + i, byte);
        m_hexRow[3 * i] = readable ? kDigits[byte >> 4] : '?';
        m_hexRow[3 * i + 1] = readable ? kDigits[byte & 0xF] : '?';
    }
    return QLatin1StringView(m_hexRow.data(), 3 * count - 1);
}

QString HexDumpLayout::characterText(const ByteBlock &data, std::int64_t row) const
{
    const int count = bytesOnRow(row);
    const std::uint64_t start = static_cast<std::uint64_t>(row) * m_bytesPerRow;
    QString text(count, QLatin1Char(' '));
    for (int i = 0; i < count; ++i) {
        std::uint8_t byte = 0;
        if (data.byteAt(start + i, byte))
            text[i] = platform::windows1252(byte);
    }
    return text;
}

} // namespace resexplorer
