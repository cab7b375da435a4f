// The text of an editor window with what goes with it: its marks, the modified flag and the
// history of edits that undo and redo walk. Every change of the text goes through here, so the
// marks and the history follow it; the edit area shows it and tells it the user's edits.
#pragma once

#include "editor/core/textbuffer.h"
#include "editor/core/textmarks.h"

#include <QObject>

#include <vector>

namespace editor {

class TextDocument : public QObject {
    Q_OBJECT
public:
    explicit TextDocument(QObject *parent = nullptr);

    const TextBuffer &buffer() const { return m_buffer; }
    qsizetype length() const { return m_buffer.length(); }
    bool isEmpty() const { return m_buffer.isEmpty(); }
    QString text(qsizetype from, qsizetype to) const { return m_buffer.text(from, to); }
    QString toPlainText() const { return m_buffer.toString(); }

    /// Replaces the whole text, with no marks, no history and not modified.
    void setPlainText(const QString &text);
    /// Empties the text, the marks and the history, ready for a file read in with appendText().
    void clear();
    /// Adds text read from a file at the end, outside the history.
    void appendText(const QString &text);

    /// The user's edit: the characters from \a from to \a to give way to \a text (its line ends
    /// become '\n'). Returns the position just after the text put in.
    qsizetype replace(qsizetype from, qsizetype to, QStringView text);

    bool isUndoAvailable() const { return !m_undo.empty(); }
    bool isRedoAvailable() const { return !m_redo.empty(); }
    /// Undoes the last edit; returns where the caret goes, or -1 with nothing to undo.
    qsizetype undo();
    qsizetype redo();
    void clearHistory();

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    const TextMarks &marks() const { return m_marks; }
    void addMarks(const QList<qsizetype> &starts, qsizetype length, const MarkStyle &style);

signals:
    /// The text or its marks changed.
    void contentsChanged();
    void modificationChanged(bool modified);

private:
    struct Edit {
        qsizetype at = 0;
        QString removed;
        QString inserted;
    };
    /// Takes the last edit of \a from, undone (or done again when \a forward), over to \a to;
    /// returns where the caret goes, or -1 when \a from is empty.
    qsizetype replay(std::vector<Edit> &from, std::vector<Edit> &to, bool forward);
    /// Swaps in \a text for the \a removedLength characters at \a at, outside the history.
    void apply(qsizetype at, qsizetype removedLength, QStringView text);

    TextBuffer m_buffer;
    TextMarks m_marks;
    std::vector<Edit> m_undo;
    std::vector<Edit> m_redo;
    bool m_modified = false;
};

} // namespace editor
