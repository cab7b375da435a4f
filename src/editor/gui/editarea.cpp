#include "editor/gui/editarea.h"

#include "editor/core/textdocument.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QtMath>

#include <algorithm>
#include <limits>

namespace editor {

namespace {

constexpr int Margin = 4;     // blank left of the text, as edit controls have
constexpr int TabColumns = 8; // a tab goes to the next multiple of eight blanks
constexpr int ChunkLength = 32; // characters drawn at once; each piece starts at its own x

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

} // namespace

struct EditArea::Run {
    qsizetype start;
    qsizetype end;
    int style;
};

EditArea::EditArea(QWidget *parent) : QAbstractScrollArea(parent), m_document(new TextDocument(this))
{
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    connect(m_document, &TextDocument::contentsChanged, this, &EditArea::textChanged);
    updateScrollBars();
}

void EditArea::setPlainText(const QString &text)
{
    m_document->setPlainText(text);
    setCaret(0);
}

QString EditArea::toPlainText() const
{
    return m_document->toPlainText();
}

QString EditArea::selectedText() const
{
    return m_document->text(selectionStart(), selectionEnd());
}

void EditArea::setSelection(qsizetype anchor, qsizetype position)
{
    const qsizetype length = m_document->length();
    m_anchor = std::clamp<qsizetype>(anchor, 0, length);
    m_caret = std::clamp<qsizetype>(position, 0, length);
    m_wantedX = -1;
    restartBlink();
    viewport()->update();
}

void EditArea::selectAll()
{
    setSelection(0, m_document->length());
}

void EditArea::textChanged()
{
    const qsizetype length = m_document->length();
    m_caret = std::min(m_caret, length);
    m_anchor = std::min(m_anchor, length);
    // Styles are only ever added, or all dropped with the marks: then their fonts go too.
    if (m_document->marks().isEmpty()) {
        m_fonts.resize(std::min<std::size_t>(m_fonts.size(), 1));
        m_advances.resize(std::min<std::size_t>(m_advances.size(), 1));
    }
    updateScrollBars();
    viewport()->update();
}

// Geometry ------------------------------------------------------------------------------------

const QFont &EditArea::fontOf(int style) const
{
    const std::vector<MarkStyle> &styles = m_document->marks().styles();
    if (style < 0 || std::size_t(style) >= styles.size())
        style = -1;
    while (m_fonts.size() <= styles.size()) {
        const std::size_t index = m_fonts.size();
        QFont drawn = index == 0 ? font() : styles[index - 1].font;
        drawn.setKerning(false);
        m_fonts.push_back(drawn);
    }
    return m_fonts[std::size_t(style + 1)];
}

qreal EditArea::advanceOf(char32_t code, int style) const
{
    const std::size_t table = std::size_t(style + 1);
    if (m_advances.size() <= table)
        m_advances.resize(table + 1);
    if (code >= 0x10000)
        return QFontMetricsF(fontOf(style)).horizontalAdvance(QString::fromUcs4(&code, 1));
    std::vector<float> &widths = m_advances[table];
    if (widths.empty())
        widths.assign(0x10000, -1.0f);
    float &width = widths[code];
    if (width < 0)
        width = float(QFontMetricsF(fontOf(style)).horizontalAdvance(QChar(char16_t(code))));
    return width;
}

std::vector<EditArea::Run> EditArea::runsOf(qsizetype from, qsizetype to) const
{
    std::vector<Run> runs;
    qsizetype at = from;
    for (const Mark &mark : m_document->marks().between(from, to)) {
        if (mark.start > at)
            runs.push_back(Run{at, mark.start, -1});
        runs.push_back(Run{std::max(at, mark.start), std::min(to, mark.end), mark.style});
        at = std::min(to, mark.end);
    }
    if (at < to)
        runs.push_back(Run{at, to, -1});
    return runs;
}

template <typename Visit>
void EditArea::walkLine(qsizetype lineStart, qsizetype lineEnd, Visit &&visit) const
{
    const TextBuffer &buffer = m_document->buffer();
    const std::vector<Run> runs = runsOf(lineStart, lineEnd);
    const qreal tab = TabColumns * advanceOf(u' ', -1);
    std::size_t run = 0;
    qreal x = 0;
    qsizetype position = lineStart;
    bool stopped = false;
    bool skipLow = false; // the low half of a pair that began at the end of the piece before
    buffer.visit(lineStart, lineEnd, [&](QStringView piece) {
        for (qsizetype i = 0; i < piece.size() && !stopped; ++i, ++position) {
            if (skipLow) {
                skipLow = false;
                continue;
            }
            while (run + 1 < runs.size() && position >= runs[run].end)
                ++run;
            const int style = runs.empty() ? -1 : runs[run].style;
            char32_t code = piece[i].unicode();
            int length = 1;
            if (piece[i].isHighSurrogate()) {
                const QChar low = i + 1 < piece.size() ? piece[i + 1] : buffer.at(position + 1);
                if (low.isLowSurrogate()) {
                    code = QChar::surrogateToUcs4(piece[i], low);
                    length = 2;
                }
            }
            const qreal advance = code == u'\t' ? (std::floor(x / tab) + 1) * tab - x : advanceOf(code, style);
            if (!visit(position, code, style, x, advance, length)) {
                stopped = true;
                return;
            }
            x += advance;
            if (length == 2) {
                if (i + 1 < piece.size()) {
                    ++i;
                    ++position;
                } else {
                    skipLow = true;
                }
            }
        }
    });
    if (!stopped)
        visit(lineEnd, char32_t(0), -1, x, qreal(0), 0);
}

qreal EditArea::xOf(qsizetype position) const
{
    const TextBuffer &buffer = m_document->buffer();
    const qsizetype start = buffer.lineStart(buffer.lineOf(position));
    qreal found = 0;
    walkLine(start, position, [&](qsizetype, char32_t, int, qreal x, qreal, int length) {
        if (length == 0)
            found = x;
        return length != 0;
    });
    return found;
}

qsizetype EditArea::positionAtX(qsizetype line, qreal x) const
{
    const TextBuffer &buffer = m_document->buffer();
    const qsizetype start = buffer.lineStart(line);
    const qsizetype end = buffer.lineEndAt(start);
    qsizetype found = end;
    walkLine(start, end, [&](qsizetype position, char32_t, int, qreal left, qreal advance, int) {
        if (left + advance / 2 <= x)
            return true;
        found = position;
        return false;
    });
    return found;
}

qreal EditArea::lineHeight() const
{
    return qCeil(QFontMetricsF(font()).lineSpacing());
}

int EditArea::visibleLines() const
{
    return std::max(1, int(viewport()->height() / lineHeight()));
}

qsizetype EditArea::firstVisibleLine() const
{
    return verticalScrollBar()->value();
}

QRect EditArea::caretRect(qsizetype position) const
{
    const qsizetype line = m_document->buffer().lineOf(position);
    const qreal height = lineHeight();
    const int x = qFloor(xOf(position)) - horizontalScrollBar()->value() + Margin;
    return QRect(x, int((line - firstVisibleLine()) * height), 1, int(height));
}

qsizetype EditArea::positionAt(const QPoint &point) const
{
    const qsizetype lines = m_document->buffer().lineCount();
    const qsizetype line = std::clamp<qsizetype>(firstVisibleLine() + qFloor(point.y() / lineHeight()), 0, lines - 1);
    return positionAtX(line, point.x() - Margin + horizontalScrollBar()->value());
}

void EditArea::updateScrollBars()
{
    const TextBuffer &buffer = m_document->buffer();
    const int lines = int(std::min<qsizetype>(buffer.lineCount(), std::numeric_limits<int>::max()));
    verticalScrollBar()->setRange(0, std::max(0, lines - visibleLines()));
    verticalScrollBar()->setPageStep(visibleLines());
    verticalScrollBar()->setSingleStep(1);
    // The widest line is guessed from the longest one; painting and the caret widen it.
    const qreal guess = qreal(buffer.longestLine()) * QFontMetricsF(font()).averageCharWidth() + 2 * Margin;
    m_contentWidth = std::min<qreal>(std::max(m_contentWidth, guess), std::numeric_limits<int>::max() / 2);
    const int width = viewport()->width();
    horizontalScrollBar()->setRange(0, std::max(0, qCeil(m_contentWidth) - width));
    horizontalScrollBar()->setPageStep(width);
    horizontalScrollBar()->setSingleStep(20);
}

void EditArea::ensureCaretVisible()
{
    const qsizetype line = m_document->buffer().lineOf(m_caret);
    const qsizetype first = firstVisibleLine();
    if (line < first)
        verticalScrollBar()->setValue(int(line));
    else if (line >= first + visibleLines())
        verticalScrollBar()->setValue(int(line - visibleLines() + 1));
    const qreal x = xOf(m_caret);
    const int width = viewport()->width();
    if (x + 2 * Margin + width / 2 > m_contentWidth) {
        m_contentWidth = x + 2 * Margin + width / 2;
        updateScrollBars();
    }
    const int left = horizontalScrollBar()->value();
    if (x < left)
        horizontalScrollBar()->setValue(std::max(0, qFloor(x) - width / 4));
    else if (x > left + width - 2 * Margin)
        horizontalScrollBar()->setValue(qCeil(x) - width * 3 / 4);
}

// Painting ------------------------------------------------------------------------------------

void EditArea::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const TextBuffer &buffer = m_document->buffer();
    const qreal height = lineHeight();
    const qreal ascent = QFontMetricsF(font()).ascent();
    const int left = horizontalScrollBar()->value();
    const int width = viewport()->width();
    const bool atRightEnd = left >= horizontalScrollBar()->maximum();
    const qsizetype selectionFrom = selectionStart();
    const qsizetype selectionTo = selectionEnd();
    const QPalette &colours = palette();
    const std::vector<MarkStyle> &styles = m_document->marks().styles();

    struct Chunk {
        QString text;
        qreal x;
        int style;
        bool selected;
    };
    std::vector<Chunk> chunks;
    qreal widest = 0;
    qsizetype lineStart = buffer.lineStart(firstVisibleLine());
    for (qsizetype line = firstVisibleLine(); line < buffer.lineCount(); ++line) {
        const qreal top = (line - firstVisibleLine()) * height;
        if (top >= viewport()->height())
            break;
        const qsizetype lineEnd = buffer.lineEndAt(lineStart);
        chunks.clear();
        qreal selectedFrom = -1;
        qreal selectedTo = -1;
        qreal lineWidth = 0;
        bool anew = true; // the next character starts a chunk of its own
        walkLine(lineStart, lineEnd, [&](qsizetype position, char32_t code, int style, qreal x, qreal advance, int length) {
            // The end of the line stands for its line break.
            const bool selected = position >= selectionFrom && position < selectionTo;
            if (selected) {
                if (selectedFrom < 0)
                    selectedFrom = x;
                selectedTo = x + advance;
            }
            lineWidth = x + advance;
            if (x + advance < left)
                return true;
            if (x > left + width)
                return atRightEnd; // at the right end, the whole line is measured
            if (length == 0 || code == u'\t') {
                anew = true;
                return true;
            }
            const bool joins = !anew && chunks.back().style == style && chunks.back().selected == selected
                && (chunks.back().text.size() < ChunkLength || QChar::isMark(code));
            if (!joins)
                chunks.push_back(Chunk{QString(), x, style, selected});
            anew = false;
            chunks.back().text.append(QString::fromUcs4(&code, 1));
            return true;
        });
        widest = std::max(widest, lineWidth);
        // The selection, with a blank's width for a selected line break.
        if (selectedFrom >= 0) {
            const qreal to = selectionTo > lineEnd ? selectedTo + advanceOf(u' ', -1) : selectedTo;
            painter.fillRect(QRectF(selectedFrom - left + Margin, top, to - selectedFrom, height),
                             colours.color(QPalette::Highlight));
        }
        for (const Chunk &chunk : chunks) {
            painter.setFont(fontOf(chunk.style));
            if (chunk.selected)
                painter.setPen(colours.color(QPalette::HighlightedText));
            else if (chunk.style >= 0)
                painter.setPen(styles[std::size_t(chunk.style)].colour);
            else
                painter.setPen(colours.color(QPalette::Text));
            painter.drawText(QPointF(chunk.x - left + Margin, top + ascent), chunk.text);
        }
        if (lineEnd >= buffer.length())
            break;
        lineStart = lineEnd + 1;
    }
    if (hasFocus() && m_caretShown) {
        const QRect caret = caretRect(m_caret);
        if (caret.bottom() >= 0 && caret.top() < viewport()->height())
            painter.fillRect(caret, colours.color(QPalette::Text));
    }
    if (widest + 2 * Margin > m_contentWidth) {
        m_contentWidth = widest + 2 * Margin;
        updateScrollBars();
    }
}

void EditArea::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void EditArea::scrollContentsBy(int, int)
{
    viewport()->update();
}

void EditArea::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_advances.clear();
        m_fonts.clear();
        m_contentWidth = 0;
        updateScrollBars();
    }
    viewport()->update();
}

// Caret ---------------------------------------------------------------------------------------

void EditArea::restartBlink()
{
    m_caretShown = true;
    const int period = QApplication::cursorFlashTime();
    if (period > 0 && hasFocus())
        m_blink.start(period / 2, this);
    else
        m_blink.stop();
}

void EditArea::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_blink.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    m_caretShown = !m_caretShown;
    viewport()->update(caretRect(m_caret).adjusted(-1, 0, 1, 0));
}

void EditArea::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
    viewport()->update();
}

void EditArea::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    m_blink.stop();
    viewport()->update();
}

void EditArea::moveCaret(qsizetype position, bool extend)
{
    m_caret = std::clamp<qsizetype>(position, 0, m_document->length());
    if (!extend)
        m_anchor = m_caret;
    restartBlink();
    ensureCaretVisible();
    viewport()->update();
}

qsizetype EditArea::previousCharacter(qsizetype position) const
{
    const TextBuffer &buffer = m_document->buffer();
    if (position <= 0)
        return 0;
    return position >= 2 && buffer.at(position - 1).isLowSurrogate() && buffer.at(position - 2).isHighSurrogate()
        ? position - 2
        : position - 1;
}

qsizetype EditArea::nextCharacter(qsizetype position) const
{
    const TextBuffer &buffer = m_document->buffer();
    if (position >= buffer.length())
        return buffer.length();
    return buffer.at(position).isHighSurrogate() && buffer.at(position + 1).isLowSurrogate() ? position + 2
                                                                                               : position + 1;
}

qsizetype EditArea::previousWord(qsizetype position) const
{
    const TextBuffer &buffer = m_document->buffer();
    while (position > 0 && !isWordCharacter(buffer.at(position - 1)))
        --position;
    while (position > 0 && isWordCharacter(buffer.at(position - 1)))
        --position;
    return position;
}

qsizetype EditArea::nextWord(qsizetype position) const
{
    const TextBuffer &buffer = m_document->buffer();
    const qsizetype end = buffer.length();
    while (position < end && isWordCharacter(buffer.at(position)))
        ++position;
    while (position < end && !isWordCharacter(buffer.at(position)))
        ++position;
    return position;
}

// Editing -------------------------------------------------------------------------------------

void EditArea::replaceSelection(const QString &text)
{
    const qsizetype after = m_document->replace(selectionStart(), selectionEnd(), text);
    m_caret = m_anchor = after;
    m_wantedX = -1;
    restartBlink();
    ensureCaretVisible();
}

void EditArea::copy()
{
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

void EditArea::cut()
{
    if (!hasSelection())
        return;
    copy();
    replaceSelection(QString());
}

void EditArea::paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty())
        replaceSelection(text);
}

void EditArea::undo()
{
    caretAfterHistory(m_document->undo());
}

void EditArea::redo()
{
    caretAfterHistory(m_document->redo());
}

void EditArea::caretAfterHistory(qsizetype caret)
{
    if (caret < 0)
        return;
    setCaret(caret);
    ensureCaretVisible();
}

// Keyboard and mouse --------------------------------------------------------------------------

bool EditArea::focusNextPrevChild(bool)
{
    return false; // Tab is a character of the text
}

bool EditArea::event(QEvent *event)
{
    // Keys that type text belong to the text before any shortcut.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool typing = !key->text().isEmpty() && key->text().at(0).isPrint()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (typing || key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
            || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void EditArea::keyPressEvent(QKeyEvent *event)
{
    const TextBuffer &buffer = m_document->buffer();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    const qsizetype line = buffer.lineOf(m_caret);
    const qreal wantedX = m_wantedX;
    const auto vertical = [&](qsizetype lines) {
        const qreal x = wantedX >= 0 ? wantedX : xOf(m_caret);
        const qsizetype target = std::clamp<qsizetype>(line + lines, 0, buffer.lineCount() - 1);
        moveCaret(positionAtX(target, x), shift);
        m_wantedX = x;
    };

    if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::Paste)) {
        paste();
    } else if (event->matches(QKeySequence::Cut)) {
        cut();
    } else if (event->matches(QKeySequence::Undo)) {
        undo();
    } else if (event->matches(QKeySequence::Redo)) {
        redo();
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else {
        switch (event->key()) {
        case Qt::Key_Left:
            if (hasSelection() && !shift)
                moveCaret(selectionStart(), false);
            else
                moveCaret(control ? previousWord(m_caret) : previousCharacter(m_caret), shift);
            break;
        case Qt::Key_Right:
            if (hasSelection() && !shift)
                moveCaret(selectionEnd(), false);
            else
                moveCaret(control ? nextWord(m_caret) : nextCharacter(m_caret), shift);
            break;
        case Qt::Key_Up:
            vertical(-1);
            break;
        case Qt::Key_Down:
            vertical(1);
            break;
        case Qt::Key_PageUp:
            verticalScrollBar()->setValue(verticalScrollBar()->value() - visibleLines());
            vertical(-visibleLines());
            break;
        case Qt::Key_PageDown:
            verticalScrollBar()->setValue(verticalScrollBar()->value() + visibleLines());
            vertical(visibleLines());
            break;
        case Qt::Key_Home:
            moveCaret(control ? 0 : buffer.lineStart(line), shift);
            break;
        case Qt::Key_End:
            moveCaret(control ? buffer.length() : buffer.lineEndAt(m_caret), shift);
            break;
        case Qt::Key_Backspace:
            if (!hasSelection())
                m_anchor = control ? previousWord(m_caret) : previousCharacter(m_caret);
            replaceSelection(QString());
            break;
        case Qt::Key_Delete:
            if (!hasSelection())
                m_anchor = control ? nextWord(m_caret) : nextCharacter(m_caret);
            replaceSelection(QString());
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            replaceSelection(QStringLiteral("\n"));
            break;
        case Qt::Key_Tab:
            replaceSelection(QStringLiteral("\t"));
            break;
        default: {
            const QString text = event->text();
            if (text.isEmpty() || !text.at(0).isPrint() || control) {
                QAbstractScrollArea::keyPressEvent(event);
                emit caretInput();
                return;
            }
            replaceSelection(text);
        }
        }
    }
    event->accept();
    emit caretInput();
}

void EditArea::keyReleaseEvent(QKeyEvent *event)
{
    QAbstractScrollArea::keyReleaseEvent(event);
    emit caretInput();
}

void EditArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        moveCaret(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
    emit caretInput();
}

void EditArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        moveCaret(positionAt(event->position().toPoint()), true);
}

void EditArea::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const TextBuffer &buffer = m_document->buffer();
    const qsizetype at = positionAt(event->position().toPoint());
    qsizetype start = at;
    qsizetype end = at;
    while (start > 0 && isWordCharacter(buffer.at(start - 1)))
        --start;
    while (end < buffer.length() && isWordCharacter(buffer.at(end)))
        ++end;
    setSelection(start, end);
}

void EditArea::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty())
        replaceSelection(event->commitString());
    event->accept();
}

QVariant EditArea::inputMethodQuery(Qt::InputMethodQuery query) const
{
    const TextBuffer &buffer = m_document->buffer();
    const qsizetype lineStart = buffer.lineStart(buffer.lineOf(m_caret));
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return caretRect(m_caret);
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return int(m_caret - lineStart);
    case Qt::ImAnchorPosition:
        return int(std::clamp(m_anchor, lineStart, buffer.lineEndAt(m_caret)) - lineStart);
    case Qt::ImSurroundingText:
        return buffer.text(lineStart, std::min(buffer.lineEndAt(m_caret), lineStart + 4096));
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

} // namespace editor
