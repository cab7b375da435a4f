// The hex dump control: rows of hexadecimal bytes between an address column and a character
// column, with a vertical scroll bar and a current row moved by the keys and the mouse. It
// draws a ByteBlock it does not own; the geometry lives in HexDumpLayout.
#pragma once

#include "resexplorer/core/byteblock.h"
#include "resexplorer/core/hexdumplayout.h"

#include <QAbstractScrollArea>
#include <QColor>

#include <array>
#include <cstdint>

namespace resexplorer {

class THexDump : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class BorderStyle { None, Single };
    enum ColorIndex { AddressColorIndex = 0, HexDataColorIndex = 1, AnsiCharColorIndex = 2 };

    explicit THexDump(QWidget *parent = nullptr);

    /// A dump made on \a parent, filling it, in the fixed font, characters shown.
    static THexDump *createHexDumpOn(QWidget *parent);

    /// The bytes to show (none: nothing is drawn); the caller keeps them alive. Set the block
    /// first, then its length.
    void setData(const ByteBlock *block);
    void setDataLength(std::uint64_t length);
    bool hasData() const { return m_data != nullptr; }
    std::uint64_t dataLength() const { return m_layout.dataLength(); }

    BorderStyle border() const { return m_border; }
    void setBorder(BorderStyle border);
    bool showAddress() const { return m_layout.showAddress(); }
    void setShowAddress(bool show);
    bool showCharacters() const { return m_layout.showCharacters(); }
    void setShowCharacters(bool show);
    /// The address, hexadecimal and character colours (see ColorIndex).
    QColor textColor(int index) const { return m_textColors.at(std::size_t(index)); }
    void setTextColor(int index, const QColor &color);
    /// The background of every row.
    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    const HexDumpLayout &layout() const { return m_layout; }
    /// Makes \a row the top row; a one-row move shifts the picture instead of redrawing it.
    void scrollTo(std::int64_t row);
    void setCursorRow(std::int64_t row);

    QSize sizeHint() const override { return QSize(300, 200); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateMetrics();
    void updateScrollRange();
    void updateRow(std::int64_t row);

    HexDumpLayout m_layout;
    const ByteBlock *m_data = nullptr;
    BorderStyle m_border = BorderStyle::Single;
    std::array<QColor, 3> m_textColors{QColor(Qt::black), QColor(Qt::black), QColor(Qt::black)};
    QColor m_color = QColor(Qt::white);
};

} // namespace resexplorer
