#include "search/gui/resultsview.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace search {

namespace {

// Space between the frame and the text, as in the program's other text boxes.
constexpr int Margin = 4;
// Characters of a line laid out: a longer line (only a loaded file holds one) is shown in part.
constexpr qsizetype ShownCharacters = 100000;
// Tab stops of the program's text boxes.
constexpr qreal TabStop = 80;

} // namespace

ResultsView::ResultsView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAutoFillBackground(false);
    updateMetrics();
    updateScrollBars();
}

ResultsView::~ResultsView() = default;

QString ResultsView::toPlainText() const
{
    QString text;
    for (std::size_t i = 0; i < m_lines.count(); ++i) {
        if (i > 0)
            text += u'\n';
        text += m_lines.text(i);
    }
    return text;
}

void ResultsView::setPlainText(const QString &text)
{
    ResultLines lines;
    if (!text.isEmpty()) {
        for (const QString &line : text.split(u'\n'))
            lines.append(line);
    }
    setLines(std::move(lines));
}

void ResultsView::setLines(ResultLines &&lines)
{
    m_lines = std::move(lines);
    m_pattern = {};
    m_caret = m_anchor = {};
    m_desiredX = -1;
    m_widest = 0;
    m_measuredLongest = static_cast<std::size_t>(-1);
    m_followEnd = false;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    refresh();
    emit caretMoved();
}

void ResultsView::appendLine(const QString &line)
{
    m_lines.append(line);
    linesAdded();
}

void ResultsView::appendLine(std::string_view utf8)
{
    m_lines.append(utf8);
    linesAdded();
}

void ResultsView::appendLines(const char *text, std::size_t size, std::size_t count)
{
    m_lines.appendBlock(text, size, count);
    linesAdded();
}

void ResultsView::clear()
{
    setLines(ResultLines());
    m_followEnd = true;
}

void ResultsView::linesAdded()
{
    // Appending stays cheap however often it happens: the view catches up once per turn of
    // the event loop.
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QMetaObject::invokeMethod(this, &ResultsView::refresh, Qt::QueuedConnection);
}

void ResultsView::refresh()
{
    m_refreshQueued = false;
    updateScrollBars();
    if (m_followEnd)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

void ResultsView::updateMetrics()
{
    m_lineHeight = std::max(1, QFontMetrics(font()).lineSpacing());
    m_widest = 0;
    m_measuredLongest = static_cast<std::size_t>(-1);
}

int ResultsView::visibleLines() const
{
    return std::max(1, (viewport()->height() - Margin) / m_lineHeight);
}

std::size_t ResultsView::firstVisibleLine() const
{
    return static_cast<std::size_t>(std::max(0, verticalScrollBar()->value()));
}

void ResultsView::updateScrollBars()
{
    // The widest line is most likely the one with the most bytes; lines painted later widen
    // the range if they are wider still.
    if (!m_lines.empty() && m_measuredLongest != m_lines.longestLine()) {
        m_measuredLongest = m_lines.longestLine();
        m_widest = std::max(m_widest, lineWidth(m_measuredLongest));
    }
    const auto count = static_cast<qint64>(m_lines.count());
    const int page = visibleLines();
    QScrollBar *vertical = verticalScrollBar();
    vertical->setPageStep(page);
    vertical->setSingleStep(1);
    vertical->setRange(0, static_cast<int>(std::clamp<qint64>(count - page, 0, INT_MAX)));
    QScrollBar *horizontal = horizontalScrollBar();
    const int width = viewport()->width();
    horizontal->setPageStep(width);
    horizontal->setSingleStep(std::max(1, QFontMetrics(font()).averageCharWidth() * 2));
    horizontal->setRange(0, std::max(0, static_cast<int>(std::ceil(m_widest)) + 2 * Margin - width));
}

QString ResultsView::shownText(std::size_t line) const
{
    QString text = m_lines.text(line);
    if (text.size() > ShownCharacters)
        text.truncate(ShownCharacters);
    return text;
}

void ResultsView::layOut(QTextLayout &layout, const QString &text) const
{
    layout.setText(text);
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(TabStop);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
}

qreal ResultsView::lineWidth(std::size_t line) const
{
    QTextLayout layout;
    layOut(layout, shownText(line));
    return layout.lineAt(0).naturalTextWidth();
}

int ResultsView::lineLength(std::size_t line) const
{
    if (line >= m_lines.count())
        return 0;
    return static_cast<int>(std::min<qsizetype>(m_lines.text(line).size(), ShownCharacters));
}

ResultsView::Position ResultsView::clamped(Position position) const
{
    if (m_lines.empty())
        return {};
    position.line = std::min(position.line, m_lines.count() - 1);
    position.column = std::clamp(position.column, 0, lineLength(position.line));
    return position;
}

int ResultsView::columnAtX(std::size_t line, qreal x) const
{
    if (line >= m_lines.count())
        return 0;
    QTextLayout layout;
    layOut(layout, shownText(line));
    return layout.lineAt(0).xToCursor(x);
}

qreal ResultsView::xOfColumn(std::size_t line, int column) const
{
    if (line >= m_lines.count())
        return 0;
    QTextLayout layout;
    layOut(layout, shownText(line));
    return layout.lineAt(0).cursorToX(column);
}

int ResultsView::nextColumn(std::size_t line, int column, bool words, bool forward) const
{
    QTextLayout layout;
    layOut(layout, shownText(line));
    const auto mode = words ? QTextLayout::SkipWords : QTextLayout::SkipCharacters;
    return forward ? layout.nextCursorPosition(column, mode) : layout.previousCursorPosition(column, mode);
}

ResultsView::Position ResultsView::positionAt(const QPoint &point) const
{
    if (m_lines.empty())
        return {};
    const qint64 row = point.y() < Margin ? -1 : (point.y() - Margin) / m_lineHeight;
    const qint64 line = std::clamp<qint64>(static_cast<qint64>(firstVisibleLine()) + row, 0,
                                           static_cast<qint64>(m_lines.count()) - 1);
    const qreal x = point.x() - Margin + horizontalScrollBar()->value();
    return {static_cast<std::size_t>(line), columnAtX(static_cast<std::size_t>(line), x)};
}

QRect ResultsView::lineRect(std::size_t line) const
{
    const qint64 row = static_cast<qint64>(line) - static_cast<qint64>(firstVisibleLine());
    return QRect(0, static_cast<int>(std::clamp<qint64>(Margin + row * m_lineHeight, INT_MIN / 2, INT_MAX / 2)),
                 viewport()->width(), m_lineHeight);
}

QRect ResultsView::caretRect() const
{
    const QRect line = lineRect(m_caret.line);
    const int x = Margin + static_cast<int>(xOfColumn(m_caret.line, m_caret.column)) - horizontalScrollBar()->value();
    return QRect(x, line.top(), 1, m_lineHeight);
}

QVariant ResultsView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImCursorRectangle)
        return caretRect();
    return QAbstractScrollArea::inputMethodQuery(query);
}

QString ResultsView::selectedText() const
{
    if (!hasSelection())
        return {};
    const Position from = selectionStart();
    const Position to = selectionEnd();
    QString text;
    for (std::size_t line = from.line; line <= to.line; ++line) {
        const QString whole = m_lines.text(line);
        const qsizetype begin = line == from.line ? from.column : 0;
        const qsizetype end = line == to.line ? to.column : whole.size();
        text += QStringView(whole).mid(begin, std::max<qsizetype>(0, end - begin));
        if (line != to.line)
            text += u'\n';
    }
    return text;
}

void ResultsView::setMatchPattern(const MatchPattern &pattern)
{
    m_pattern = pattern;
    if (m_highlight)
        viewport()->update();
}

void ResultsView::setHighlightMatches(bool on)
{
    if (m_highlight == on)
        return;
    m_highlight = on;
    viewport()->update();
}

void ResultsView::setCaret(Position to, bool keepAnchor)
{
    const Position was = m_caret;
    m_caret = clamped(to);
    if (!keepAnchor)
        m_anchor = m_caret;
    ensureCaretVisible();
    restartBlink();
    viewport()->update();
    if (m_caret != was)
        emit caretMoved();
}

void ResultsView::selectAll()
{
    if (m_lines.empty())
        return;
    m_anchor = {};
    m_caret = {m_lines.count() - 1, lineLength(m_lines.count() - 1)};
    viewport()->update();
    emit caretMoved();
}

void ResultsView::copy() const
{
    if (hasSelection())
        QApplication::clipboard()->setText(selectedText());
}

void ResultsView::ensureCaretVisible()
{
    QScrollBar *vertical = verticalScrollBar();
    const auto first = static_cast<qint64>(firstVisibleLine());
    const auto line = static_cast<qint64>(m_caret.line);
    const int page = visibleLines();
    if (line < first)
        vertical->setValue(static_cast<int>(line));
    else if (line >= first + page)
        vertical->setValue(static_cast<int>(line - page + 1));
    QScrollBar *horizontal = horizontalScrollBar();
    const qreal x = xOfColumn(m_caret.line, m_caret.column);
    m_widest = std::max(m_widest, x);
    if (horizontal->maximum() < static_cast<int>(x))
        updateScrollBars();
    const int width = viewport()->width() - 2 * Margin;
    if (x < horizontal->value())
        horizontal->setValue(static_cast<int>(x));
    else if (x > horizontal->value() + width)
        horizontal->setValue(static_cast<int>(x) - width + 1);
}

void ResultsView::restartBlink()
{
    m_caretShown = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flash > 0)
        m_blink.start(flash / 2, this);
    else
        m_blink.stop();
}

void ResultsView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const QPalette colours = palette();
    painter.fillRect(viewport()->rect(), colours.brush(QPalette::Base));
    painter.setPen(colours.color(QPalette::Text));
    if (m_lines.empty()) {
        if (hasFocus() && m_caretShown)
            painter.fillRect(QRect(Margin, Margin, 1, m_lineHeight), colours.color(QPalette::Text));
        return;
    }
    // The selection looks the same whether or not the list has the focus.
    QTextCharFormat selected;
    selected.setBackground(colours.brush(QPalette::Active, QPalette::Highlight));
    selected.setForeground(colours.brush(QPalette::Active, QPalette::HighlightedText));
    const bool highlight = m_highlight && !m_pattern.empty();
    const Position from = selectionStart();
    const Position to = selectionEnd();
    const int dx = Margin - horizontalScrollBar()->value();
    const std::size_t first = firstVisibleLine();
    const std::size_t last = std::min(m_lines.count(), first + static_cast<std::size_t>(visibleLines()) + 1);
    qreal widest = m_widest;
    for (std::size_t line = first; line < last; ++line) {
        const int y = Margin + static_cast<int>(line - first) * m_lineHeight;
        QTextLayout layout;
        layOut(layout, shownText(line));
        const QTextLine row = layout.lineAt(0);
        widest = std::max(widest, row.naturalTextWidth());
        // Matches are a ground under the text, so the line is still drawn in one run (a format
        // range per match would split it); the selection is drawn over them.
        if (highlight) {
            for (const MatchSpan &span : matchLineSpans(layout.text(), m_pattern)) {
                const qreal left = row.cursorToX(static_cast<int>(span.start));
                const qreal right = row.cursorToX(static_cast<int>(span.start + span.length));
                painter.fillRect(QRectF(dx + left, y, right - left, m_lineHeight), matchBackground());
            }
        }
        QList<QTextLayout::FormatRange> selections;
        if (hasSelection() && line >= from.line && line <= to.line) {
            const int begin = line == from.line ? from.column : 0;
            const int end = line == to.line ? to.column : layout.text().size();
            if (end > begin)
                selections.append({begin, end - begin, selected});
            // A selected line end shows as a blank's width of highlight.
            if (line != to.line) {
                const qreal x = dx + row.naturalTextWidth();
                painter.fillRect(QRectF(x, y, QFontMetricsF(font()).horizontalAdvance(u' '), m_lineHeight),
                                 selected.background());
            }
        }
        layout.draw(&painter, QPointF(dx, y), selections);
        if (line == m_caret.line && hasFocus() && m_caretShown)
            layout.drawCursor(&painter, QPointF(dx, y), m_caret.column, 1);
    }
    if (widest > m_widest) {
        m_widest = widest;
        linesAdded();
    }
}

void ResultsView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    const bool atEnd = verticalScrollBar()->value() >= verticalScrollBar()->maximum();
    updateScrollBars();
    if (atEnd && m_followEnd)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void ResultsView::scrollContentsBy(int, int)
{
    m_followEnd = verticalScrollBar()->value() >= verticalScrollBar()->maximum();
    viewport()->update();
}

void ResultsView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy) || (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ControlModifier)) {
        copy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    if (m_lines.empty()) {
        event->ignore();
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool words = event->modifiers() & Qt::ControlModifier;
    Position to = m_caret;
    bool vertical = false;
    const std::size_t lastLine = m_lines.count() - 1;
    const auto moveLines = [&](qint64 by) {
        if (m_desiredX < 0)
            m_desiredX = xOfColumn(m_caret.line, m_caret.column);
        const qint64 line = std::clamp<qint64>(static_cast<qint64>(m_caret.line) + by, 0, static_cast<qint64>(lastLine));
        to = {static_cast<std::size_t>(line), columnAtX(static_cast<std::size_t>(line), m_desiredX)};
        vertical = true;
    };
    switch (event->key()) {
    case Qt::Key_Left:
        if (to.column > 0)
            to.column = nextColumn(to.line, to.column, words, false);
        else if (to.line > 0)
            to = {to.line - 1, lineLength(to.line - 1)};
        break;
    case Qt::Key_Right:
        if (to.column < lineLength(to.line))
            to.column = nextColumn(to.line, to.column, words, true);
        else if (to.line < lastLine)
            to = {to.line + 1, 0};
        break;
    case Qt::Key_Up:
        moveLines(-1);
        break;
    case Qt::Key_Down:
        moveLines(1);
        break;
    case Qt::Key_PageUp:
        moveLines(-visibleLines());
        break;
    case Qt::Key_PageDown:
        moveLines(visibleLines());
        break;
    case Qt::Key_Home:
        to = words ? Position{} : Position{to.line, 0};
        break;
    case Qt::Key_End:
        to = words ? Position{lastLine, lineLength(lastLine)} : Position{to.line, lineLength(to.line)};
        break;
    default:
        // Return and every other key belong to the frame.
        event->ignore();
        return;
    }
    const qreal desired = m_desiredX;
    setCaret(to, extend);
    m_desiredX = vertical ? desired : -1;
}

void ResultsView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    m_desiredX = -1;
    m_selecting = true;
    setCaret(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void ResultsView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_selecting || !(event->buttons() & Qt::LeftButton))
        return;
    m_dragAt = event->position().toPoint();
    if (viewport()->rect().contains(m_dragAt))
        m_scrollTimer.stop();
    else if (!m_scrollTimer.isActive())
        m_scrollTimer.start(50, this);
    setCaret(positionAt(m_dragAt), true);
}

void ResultsView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_selecting = false;
        m_scrollTimer.stop();
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void ResultsView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !m_lines.empty())
        selectWordAt(positionAt(event->position().toPoint()));
    // The frame's actions watch the viewport for the double-click too.
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void ResultsView::selectWordAt(Position position)
{
    // A word is a run of letters, digits and underscores (a path's names, a line's words); on
    // any other character the character alone is selected.
    const QString text = shownText(position.line);
    const auto inWord = [&text](int i) { return i >= 0 && i < text.size() && (text[i].isLetterOrNumber() || text[i] == u'_'); };
    int begin = position.column;
    int end = position.column;
    if (inWord(begin) || inWord(begin - 1)) {
        while (inWord(begin - 1))
            --begin;
        while (inWord(end))
            ++end;
    } else if (end < text.size()) {
        ++end;
    }
    m_anchor = {position.line, begin};
    m_caret = {position.line, end};
    restartBlink();
    viewport()->update();
}

void ResultsView::autoScroll()
{
    QScrollBar *vertical = verticalScrollBar();
    if (m_dragAt.y() < 0)
        vertical->setValue(vertical->value() - 1);
    else if (m_dragAt.y() > viewport()->height())
        vertical->setValue(vertical->value() + 1);
    setCaret(positionAt(m_dragAt), true);
}

void ResultsView::focusInEvent(QFocusEvent *event)
{
    restartBlink();
    viewport()->update();
    QAbstractScrollArea::focusInEvent(event);
}

void ResultsView::focusOutEvent(QFocusEvent *event)
{
    m_blink.stop();
    m_caretShown = false;
    viewport()->update();
    QAbstractScrollArea::focusOutEvent(event);
}

void ResultsView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        updateMetrics();
        updateScrollBars();
        viewport()->update();
    }
    QAbstractScrollArea::changeEvent(event);
}

void ResultsView::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_blink.timerId()) {
        m_caretShown = !m_caretShown;
        viewport()->update(caretRect().adjusted(-2, 0, 2, 0));
    } else if (event->timerId() == m_scrollTimer.timerId()) {
        autoScroll();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

} // namespace search
