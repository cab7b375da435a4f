// The edit area of an editor window: a plain-text edit control over a TextDocument that lays out
// only the lines in sight, so a text of hundreds of megabytes opens, scrolls and edits at once.
// Marked runs show in their own font and colour; the text never wraps. It tells when a key or
// the mouse may have moved the caret.
#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>

#include <algorithm>

#include <vector>

namespace editor {

class TextDocument;

class EditArea : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit EditArea(QWidget *parent = nullptr);

    TextDocument *document() const { return m_document; }
    /// Replaces the text (no marks, no history, not modified); the caret goes to the start.
    void setPlainText(const QString &text);
    QString toPlainText() const;

    /// The caret, and the other end of the selection.
    qsizetype position() const { return m_caret; }
    qsizetype anchor() const { return m_anchor; }
    qsizetype selectionStart() const { return std::min(m_caret, m_anchor); }
    qsizetype selectionEnd() const { return std::max(m_caret, m_anchor); }
    bool hasSelection() const { return m_caret != m_anchor; }
    /// The selected characters, each line break as '\n'.
    QString selectedText() const;
    /// Selects from \a anchor to \a position, where the caret goes (both kept within the text).
    void setSelection(qsizetype anchor, qsizetype position);
    void setCaret(qsizetype position) { setSelection(position, position); }
    void selectAll();
    /// Scrolls as little as it takes to show the caret.
    void ensureCaretVisible();

    /// Where the caret stands when at \a position, in the viewport's coordinates.
    QRect caretRect(qsizetype position) const;
    /// The position nearest to \a point of the viewport.
    qsizetype positionAt(const QPoint &point) const;
    /// The first line in sight.
    qsizetype firstVisibleLine() const;

    void copy();
    void cut();
    void paste();
    void undo();
    void redo();

signals:
    /// After a key went down or up, or a mouse button went down.
    void caretInput();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    struct Run; // a piece of a line in one style

    /// The runs of one style from \a from to \a to; style -1 is the area's own font.
    std::vector<Run> runsOf(qsizetype from, qsizetype to) const;
    const QFont &fontOf(int style) const;
    qreal advanceOf(char32_t code, int style) const;
    /// Walks the characters of the line from \a lineStart to \a lineEnd with their x from the
    /// line's start; \a visit gets a character's position, its code, its style, its x and its
    /// advance, and returns false to stop.
    template <typename Visit>
    void walkLine(qsizetype lineStart, qsizetype lineEnd, Visit &&visit) const;
    qreal xOf(qsizetype position) const;
    qsizetype positionAtX(qsizetype line, qreal x) const;
    qreal lineHeight() const;
    int visibleLines() const;
    void updateScrollBars();
    void textChanged();
    /// Puts the caret at \a position, dragging the anchor along unless \a extend.
    void moveCaret(qsizetype position, bool extend);
    void replaceSelection(const QString &text);
    /// After an undo or redo: the caret at \a caret, unless it is -1 (nothing was done).
    void caretAfterHistory(qsizetype caret);
    qsizetype previousCharacter(qsizetype position) const;
    qsizetype nextCharacter(qsizetype position) const;
    qsizetype previousWord(qsizetype position) const;
    qsizetype nextWord(qsizetype position) const;
    void restartBlink();

    TextDocument *m_document;
    qsizetype m_caret = 0;
    qsizetype m_anchor = 0;
    qreal m_wantedX = -1; ///< where up and down keep the caret, or -1 to take the caret's own x
    qreal m_contentWidth = 0;
    bool m_caretShown = true;
    QBasicTimer m_blink;
    mutable std::vector<std::vector<float>> m_advances; ///< per style + 1, per character of the first plane
    /// The fonts text is drawn in, per style + 1: without kerning, so each piece drawn on its own
    /// ends where the sum of its characters' advances says.
    mutable std::vector<QFont> m_fonts;
};

} // namespace editor
