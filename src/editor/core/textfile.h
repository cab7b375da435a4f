// Text files as the editor reads and writes them: read in pieces into a document, so that a
// file of hundreds of megabytes neither freezes the program nor needs more than about twice its
// size in memory; written back as UTF-8 with the line ends the file had.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

class QColor;
class QFont;

namespace editor {

class TextDocument;

enum class LineEnd { Lf, CrLf, Cr };

/// The line end of the first line break in \a bytes, or none found.
std::optional<LineEnd> firstLineEnd(QByteArrayView bytes);

class TextFile {
public:
    /// Called between pieces while a file is read; false abandons the reading at once and
    /// leaves the document alone (it may be gone).
    using Service = std::function<bool()>;

    /// Replaces the text of \a document with the file \a path (only regular files are read).
    /// The document's marks and history are emptied and its modified flag cleared. False, with
    /// errorString(), when the file cannot be read: the document is then unchanged when the
    /// file could not be opened, and empty when reading failed part way.
    bool load(const QString &path, TextDocument &document, const Service &service = {});

    /// Writes the whole text of \a document to \a path as UTF-8, each line break as lineEnd().
    /// The file is replaced only once all was written. False, with errorString(), on failure.
    bool savePlain(const TextDocument &document, const QString &path);
    /// The same as rich text, with the document's marks.
    bool saveRich(const TextDocument &document, const QString &path, const QFont &font, const QColor &ink);

    /// The line end of the file last loaded (LF for text that was not read from a file).
    LineEnd lineEnd() const { return m_lineEnd; }
    QString errorString() const { return m_error; }

private:
    bool fail(const QString &message);

    LineEnd m_lineEnd = LineEnd::Lf;
    QString m_error;
};

} // namespace editor
