// The frame's results list: a read-only view of lines that lays out only the lines it shows,
// so that a list of millions of lines fills and scrolls as fast as a short one. It behaves as
// a read-only multi-line text box: a caret moved by keys and mouse, a selection kept visible
// when the list loses the focus, copy and select all, both scroll bars, no wrapping, and its
// font from the frame. While the last line is in view, appended lines keep it in view.
#pragma once

#include "search/core/matchspans.h"
#include "search/core/resultlines.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QColor>

#include <cstddef>
#include <string_view>

class QTextLayout;

namespace search {

class ResultsView : public QAbstractScrollArea {
    Q_OBJECT
public:
    /// A place in the list: a line, and a column counted in the UTF-16 units of its text.
    struct Position {
        std::size_t line = 0;
        int column = 0;
        friend bool operator==(const Position &, const Position &) = default;
        friend auto operator<=>(const Position &a, const Position &b)
        {
            return a.line != b.line ? a.line <=> b.line : a.column <=> b.column;
        }
    };

    explicit ResultsView(QWidget *parent = nullptr);
    ~ResultsView() override;

    const ResultLines &lines() const { return m_lines; }
    std::size_t lineCount() const { return m_lines.count(); }
    QString lineText(std::size_t line) const { return m_lines.text(line); }
    /// Every line, joined by line feeds.
    QString toPlainText() const;

    /// Replaces the lines by those of \a text (split at line feeds); the caret goes to the start.
    void setPlainText(const QString &text);
    /// Replaces the lines; the caret goes to the start.
    void setLines(ResultLines &&lines);
    void appendLine(const QString &line);
    void appendLine(std::string_view utf8);
    /// Appends \a count UTF-8 lines from \a text, each followed by '\n'.
    void appendLines(const char *text, std::size_t size, std::size_t count);
    /// Empties the list.
    void clear();

    Position caret() const { return m_caret; }
    Position anchor() const { return m_anchor; }
    bool hasSelection() const { return m_caret != m_anchor; }
    Position selectionStart() const { return std::min(m_caret, m_anchor); }
    Position selectionEnd() const { return std::max(m_caret, m_anchor); }
    /// The selected text, lines joined by line feeds.
    QString selectedText() const;
    /// Moves the caret to \a to (kept within the text), extending the selection from the
    /// anchor when \a keepAnchor, and scrolls it into view.
    void setCaret(Position to, bool keepAnchor = false);
    void selectAll();
    /// Puts the selected text on the clipboard.
    void copy() const;

    /// Where line \a line lies in the viewport (it may be outside it).
    QRect lineRect(std::size_t line) const;
    /// The caret's rectangle in the viewport.
    QRect caretRect() const;

    /// What the search of the listed lines looked for; a loaded or cleared list has none.
    void setMatchPattern(const MatchPattern &pattern);
    const MatchPattern &matchPattern() const { return m_pattern; }
    /// Draws the search string highlighted in the match lines shown (off by default). Only
    /// the painting changes: text, copy and positions stay as they are.
    void setHighlightMatches(bool on);
    bool highlightMatches() const { return m_highlight; }
    /// Ground of the highlighted matches: yellow, the list's black text readable on it.
    static QColor matchBackground() { return QColor(0xFF, 0xFF, 0x00); }

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    /// The caret went to another place, or the lines were replaced.
    void caretMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    /// The lines changed: scroll bars and painting follow once the event loop runs.
    void linesAdded();
    void refresh();
    void updateScrollBars();
    void updateMetrics();
    /// The text of \a line as laid out (very long lines are shown in part).
    QString shownText(std::size_t line) const;
    void layOut(QTextLayout &layout, const QString &text) const;
    qreal lineWidth(std::size_t line) const;
    int visibleLines() const;
    std::size_t firstVisibleLine() const;
    Position positionAt(const QPoint &point) const;
    Position clamped(Position position) const;
    int lineLength(std::size_t line) const;
    int columnAtX(std::size_t line, qreal x) const;
    qreal xOfColumn(std::size_t line, int column) const;
    int nextColumn(std::size_t line, int column, bool words, bool forward) const;
    void ensureCaretVisible();
    void restartBlink();
    void selectWordAt(Position position);
    void autoScroll();

    ResultLines m_lines;
    MatchPattern m_pattern;
    bool m_highlight = false;
    Position m_caret;
    Position m_anchor;
    qreal m_desiredX = -1;       ///< the x kept by up and down moves
    int m_lineHeight = 1;
    qreal m_widest = 0;          ///< widest line met, in pixels
    std::size_t m_measuredLongest = static_cast<std::size_t>(-1);
    bool m_refreshQueued = false;
    bool m_followEnd = true;     ///< the last line is in view: appended lines keep it so
    bool m_caretShown = false;
    bool m_selecting = false;
    QPoint m_dragAt;
    QBasicTimer m_blink;
    QBasicTimer m_scrollTimer;
};

} // namespace search
