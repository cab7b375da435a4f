#include "editor/core/textdocument.h"

#include <algorithm>

namespace editor {

TextDocument::TextDocument(QObject *parent) : QObject(parent) {}

void TextDocument::setPlainText(const QString &text)
{
    m_buffer.clear();
    m_marks.clear();
    m_buffer.insert(0, text);
    clearHistory();
    setModified(false);
    emit contentsChanged();
}

void TextDocument::clear()
{
    setPlainText(QString());
}

void TextDocument::appendText(const QString &text)
{
    m_buffer.append(text);
    emit contentsChanged();
}

void TextDocument::apply(qsizetype at, qsizetype removedLength, QStringView text)
{
    if (removedLength > 0) {
        m_buffer.remove(at, at + removedLength);
        m_marks.removed(at, at + removedLength);
    }
    const qsizetype added = m_buffer.insert(at, text);
    if (added > 0)
        m_marks.inserted(at, added);
}

qsizetype TextDocument::replace(qsizetype from, qsizetype to, QStringView text)
{
    from = std::clamp<qsizetype>(from, 0, length());
    to = std::clamp<qsizetype>(to, from, length());
    const QString inserted = TextBuffer::normalized(text);
    if (from == to && inserted.isEmpty())
        return from;
    Edit edit{from, m_buffer.text(from, to), inserted};
    apply(from, to - from, inserted);
    m_redo.clear();
    // Characters typed one after the other are undone together, up to the end of a line.
    Edit *last = m_undo.empty() ? nullptr : &m_undo.back();
    const bool typing = edit.removed.isEmpty() && inserted.size() == 1 && inserted != QLatin1String("\n");
    if (typing && last && last->removed.isEmpty() && last->at + last->inserted.size() == from
        && !last->inserted.endsWith(u'\n'))
        last->inserted.append(inserted);
    else
        m_undo.push_back(std::move(edit));
    setModified(true);
    emit contentsChanged();
    return from + inserted.size();
}

qsizetype TextDocument::undo()
{
    return replay(m_undo, m_redo, false);
}

qsizetype TextDocument::redo()
{
    return replay(m_redo, m_undo, true);
}

qsizetype TextDocument::replay(std::vector<Edit> &from, std::vector<Edit> &to, bool forward)
{
    if (from.empty())
        return -1;
    Edit edit = std::move(from.back());
    from.pop_back();
    const QString &out = forward ? edit.removed : edit.inserted;
    const QString &in = forward ? edit.inserted : edit.removed;
    apply(edit.at, out.size(), in);
    const qsizetype caret = edit.at + in.size();
    to.push_back(std::move(edit));
    setModified(true);
    emit contentsChanged();
    return caret;
}

void TextDocument::clearHistory()
{
    m_undo.clear();
    m_redo.clear();
}

void TextDocument::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modificationChanged(modified);
}

void TextDocument::addMarks(const QList<qsizetype> &starts, qsizetype length, const MarkStyle &style)
{
    m_marks.add(starts, length, style);
    emit contentsChanged();
}

} // namespace editor
