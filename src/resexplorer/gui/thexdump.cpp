#include "resexplorer/gui/thexdump.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextOption>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace resexplorer {

THexDump::THexDump(QWidget *parent) : QAbstractScrollArea(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    setBorder(BorderStyle::Single);
    // Every row is painted whole, which also lets a one-row scroll move the pixels.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    resize(300, 200);
    updateMetrics();
}

THexDump *THexDump::createHexDumpOn(QWidget *parent)
{
    auto *dump = new THexDump(parent);
    QFont font;
    // The program's fixed font where it exists, else the system's monospace one.
    font.setFamilies({QStringLiteral("FixedSys"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    dump->setFont(font);
    dump->setShowCharacters(true);
    auto *fill = new QVBoxLayout(parent);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(dump);
    return dump;
}

void THexDump::setData(const ByteBlock *block)
{
    m_data = block;
    viewport()->update();
}

void THexDump::setDataLength(std::uint64_t length)
{
    m_layout.setDataLength(length);
    updateMetrics();
    viewport()->update();
}

void THexDump::setBorder(BorderStyle border)
{
    m_border = border;
    if (border == BorderStyle::Single) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
}

void THexDump::setShowAddress(bool show)
{
    m_layout.setShowAddress(show);
    updateMetrics();
    viewport()->update();
}

void THexDump::setShowCharacters(bool show)
{
    m_layout.setShowCharacters(show);
    updateMetrics();
    viewport()->update();
}

void THexDump::setTextColor(int index, const QColor &color)
{
    if (m_textColors.at(std::size_t(index)) == color)
        return;
    m_textColors[std::size_t(index)] = color;
    viewport()->update();
}

void THexDump::setColor(const QColor &color)
{
    m_color = color;
    viewport()->update();
}

void THexDump::updateMetrics()
{
    const QFontMetrics metrics(font());
    m_layout.setCell(metrics.horizontalAdvance(QLatin1Char('D')) + 1, metrics.height() + 2);
    m_layout.setClientSize(viewport()->width(), viewport()->height());
    m_layout.recompute();
    updateScrollRange();
}

void THexDump::updateScrollRange()
{
    QScrollBar *bar = verticalScrollBar();
    const QSignalBlocker quiet(bar);
    constexpr std::int64_t kMaxInt = std::numeric_limits<int>::max();
    bar->setRange(0, int(std::clamp<std::int64_t>(m_layout.rowCount() - 1, 0, kMaxInt)));
    bar->setSingleStep(1);
    bar->setPageStep(std::max(m_layout.rowsOnScreen() - 1, 1));
    bar->setValue(int(std::min(m_layout.firstRow(), kMaxInt)));
}

void THexDump::scrollTo(std::int64_t row)
{
    const std::int64_t delta = m_layout.scrollTo(row);
    if (delta == 0)
        return;
    {
        const QSignalBlocker quiet(verticalScrollBar());
        verticalScrollBar()->setValue(int(std::min<std::int64_t>(m_layout.firstRow(), std::numeric_limits<int>::max())));
    }
    if (delta == 1 || delta == -1)
        viewport()->scroll(0, int(delta) * m_layout.rowHeight());
    else
        viewport()->update();
}

void THexDump::scrollContentsBy(int, int)
{
    scrollTo(verticalScrollBar()->value());
}

void THexDump::updateRow(std::int64_t row)
{
    const std::int64_t onScreen = row - m_layout.firstRow();
    if (onScreen < 0 || onScreen >= m_layout.rowsOnScreen())
        return;
    viewport()->update(0, int(onScreen) * m_layout.rowHeight(), viewport()->width(), m_layout.rowHeight());
}

void THexDump::setCursorRow(std::int64_t row)
{
    const auto move = m_layout.setCursorRow(row);
    if (!move)
        return;
    if (move->repaintOld)
        updateRow(*move->repaintOld);
    updateRow(move->row);
    if (move->scrollTo)
        scrollTo(*move->scrollTo);
}

void THexDump::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const int width = viewport()->width();
    const int rowHeight = m_layout.rowHeight();
    const int addressWidth = m_layout.addressWidth();
    const int charWidth = m_layout.charWidth();
    QTextOption tabbed;
    tabbed.setTabStopDistance(m_layout.tabStop());
    tabbed.setWrapMode(QTextOption::NoWrap);
    tabbed.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    for (int i = 0; i < m_layout.rowsOnScreen(); ++i) {
        const QRect rowRect(1, i * rowHeight, width, rowHeight);
        if (!rowRect.intersects(event->rect()))
            continue;
        painter.fillRect(rowRect.adjusted(-1, 0, 0, 0), m_color);
        const std::int64_t row = m_layout.firstRow() + i;
        if (!m_data || row >= m_layout.rowCount())
            continue;
        int left = rowRect.left();
        if (m_layout.showAddress()) {
            painter.setPen(m_textColors[AddressColorIndex]);
            painter.drawText(QRect(left, rowRect.top(), addressWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             m_layout.addressText(*m_data, row));
            left += addressWidth;
        }
        painter.setPen(m_textColors[HexDataColorIndex]);
        painter.drawText(QRectF(left, rowRect.top(), width - left, rowHeight), m_layout.hexText(*m_data, row), tabbed);
        if (m_layout.showCharacters()) {
            painter.setPen(m_textColors[AnsiCharColorIndex]);
            const QString characters = m_layout.characterText(*m_data, row);
            const int start = rowRect.left() + m_layout.charactersLeft();
            // One cell per byte, whatever the glyph: control bytes keep the columns aligned.
            for (qsizetype c = 0; c < characters.size(); ++c) {
                const QRect cell(start + int(c) * charWidth, rowRect.top(), charWidth, rowHeight);
                painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, QString(characters[c]));
            }
        }
    }
}

void THexDump::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateMetrics();
}

void THexDump::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateMetrics();
        viewport()->update();
    }
}

void THexDump::keyPressEvent(QKeyEvent *event)
{
    std::optional<HexDumpLayout::Key> key;
    switch (event->key()) {
    case Qt::Key_PageUp: key = HexDumpLayout::Key::PageUp; break;
    case Qt::Key_PageDown: key = HexDumpLayout::Key::PageDown; break;
    case Qt::Key_End: key = HexDumpLayout::Key::End; break;
    case Qt::Key_Home: key = HexDumpLayout::Key::Home; break;
    case Qt::Key_Up: key = HexDumpLayout::Key::Up; break;
    case Qt::Key_Down: key = HexDumpLayout::Key::Down; break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        event->accept();
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!hasData())
        return;
    if (const auto target = m_layout.keyTarget(*key))
        setCursorRow(*target);
}

void THexDump::mousePressEvent(QMouseEvent *event)
{
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton && hasData())
        setCursorRow(m_layout.rowAt(int(event->position().y())));
    event->accept();
}

} // namespace resexplorer
