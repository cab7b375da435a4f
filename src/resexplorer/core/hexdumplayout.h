// The geometry of the hex dump, apart from any widget: how many bytes fit on a row, how many
// rows there are and fit on screen, which row is at the top and which is current, where a
// click lands, and the text of a row. Rows past the data are never selected or read.
#pragma once

#include "resexplorer/core/byteblock.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace resexplorer {

class HexDumpLayout {
public:
    enum class Key { PageUp, PageDown, End, Home, Up, Down };

    /// What moving the current row asks of the widget.
    struct CursorMove {
        std::optional<std::int64_t> repaintOld; ///< old current row, when it was on screen
        std::int64_t row = -1;                   ///< the new current row (to repaint)
        std::optional<std::int64_t> scrollTo;    ///< top row that brings it into view
    };

    static constexpr int kMaxBytesPerRow = 16;
    static constexpr int kAddressCells = 10;

    HexDumpLayout();

    /// Sizes of one character cell, from the font: width of "D" + 1, height of "A" + 2.
    void setCell(int charWidth, int rowHeight);
    void setClientSize(int width, int height);
    void setShowAddress(bool show) { m_showAddress = show; }
    void setShowCharacters(bool show) { m_showCharacters = show; }
    void setDataLength(std::uint64_t length) { m_dataLength = length; }
    /// Recomputes the rows and bytes per row; does nothing until a cell size is known.
    void recompute();

    int charWidth() const { return m_charWidth; }
    int rowHeight() const { return m_rowHeight; }
    bool showAddress() const { return m_showAddress; }
    bool showCharacters() const { return m_showCharacters; }
    std::uint64_t dataLength() const { return m_dataLength; }
    int rowsOnScreen() const { return m_rowsOnScreen; }
    int bytesPerRow() const { return m_bytesPerRow; }
    std::int64_t rowCount() const { return m_rowCount; }
    std::int64_t firstRow() const { return m_firstRow; }
    std::int64_t cursorRow() const { return m_cursorRow; }

    /// Width of the address box (0 without it), the tab stop of the hexadecimal column, and
    /// where the character column starts.
    int addressWidth() const { return m_showAddress ? m_charWidth * kAddressCells : 0; }
    int tabStop() const { return m_charWidth * 3; }
    int charactersLeft() const { return m_bytesPerRow * m_charWidth * 3 + addressWidth(); }

    /// Bytes shown on \a row (the last row may hold fewer).
    int bytesOnRow(std::int64_t row) const;
    /// \a row kept within the rows of the data.
    std::int64_t clampRow(std::int64_t row) const;

    /// Makes \a row (clamped) the top row; returns old top - new top, 0 when nothing moved.
    std::int64_t scrollTo(std::int64_t row);
    /// Makes \a row (clamped) current; nothing when it already is or there are no rows.
    std::optional<CursorMove> setCursorRow(std::int64_t row);
    /// The row a key would make current; none without data.
    std::optional<std::int64_t> keyTarget(Key key) const;
    /// The row under a click at \a y pixels.
    std::int64_t rowAt(int y) const;

    /// "0000ABCD:": the address of the first byte of \a row.
    QString addressText(const ByteBlock &data, std::int64_t row) const;
    /// Two digits per byte of \a row, TAB-separated, no trailing TAB; "??" for unreadable bytes.
    /// The text lives in a row buffer reused by every call.
    QLatin1StringView hexText(const ByteBlock &data, std::int64_t row);
    /// The bytes of \a row as characters, one per byte; unreadable ones as blanks.
    QString characterText(const ByteBlock &data, std::int64_t row) const;

private:
    int m_charWidth = 0;
    int m_rowHeight = 0;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    bool m_showAddress = true;
    bool m_showCharacters = true;
    std::uint64_t m_dataLength = 0;
    int m_rowsOnScreen = 0;
    int m_bytesPerRow = 1;
    std::int64_t m_rowCount = 0;
    std::int64_t m_firstRow = 0;
    std::int64_t m_cursorRow = 0;
    std::array<char, kMaxBytesPerRow * 3> m_hexRow;
};

} // namespace resexplorer
