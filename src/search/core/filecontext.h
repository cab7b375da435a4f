// The lines around one line of a text file, as the context preview shows them: read from the
// file when asked, numbered as the search numbers lines (CR LF, CR or LF end a line, Ctrl-Z
// ends the text), decoded as the list decodes text, each cut to a length fit to show.
#pragma once

#include <QString>
#include <QStringList>

namespace search {

/// Characters of a file's line kept in the preview.
constexpr qsizetype ContextLineLength = 1000;

struct FileContext {
    QString file;          ///< the file read
    qint64 line = 0;       ///< the line asked for
    qint64 firstLine = 0;  ///< number of lines[0]
    QStringList lines;
    QString error;         ///< what to show instead of lines when they could not be read
};

/// Lines \a line - \a around to \a line + \a around of \a path (those that exist). A file that
/// cannot be read, or no longer has line \a line, gives an error text.
FileContext readFileContext(const QString &path, qint64 line, int around);

/// The same for the file the results-list header \a header names (found as the list's actions
/// find it, ignoring case when needed).
FileContext readHeaderContext(const QString &header, qint64 line, int around);

} // namespace search
