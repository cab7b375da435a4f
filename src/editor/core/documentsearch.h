// The editor's text search run over a text a piece of lines at a time, so that a search in a
// text of hundreds of megabytes never copies more than one piece of it. The results are those of
// the search over the whole text: an occurrence never spans a line break, since the pattern
// holds none.
#pragma once

#include "editor/core/textbuffer.h"
#include "editor/core/textsearch.h"

#include <QList>
#include <QStringView>

#include <functional>
#include <optional>


namespace editor {

class DocumentSearch {
public:
    /// \a pieceLength: how many characters of whole lines a piece holds at least.
    explicit DocumentSearch(const TextBuffer &text, qsizetype pieceLength = 1 << 20);

    /// As findText() over the whole text.
    std::optional<qsizetype> find(qsizetype selectionStart, qsizetype selectionLength, QStringView pattern,
                                  const FindOptions &options) const;
    /// As findSuccessive() over the whole text.
    QList<qsizetype> findSuccessive(qsizetype selectionStart, qsizetype selectionLength, QStringView pattern,
                                    const FindOptions &options) const;

private:
    /// Offers \a search the pieces in the search's direction, from the one that holds where the
    /// search starts: their text, the document position of their first character and where in
    /// them the search starts; false from \a search ends the walk.
    void walk(qsizetype selectionStart, qsizetype selectionLength, const FindOptions &options,
              const std::function<bool(QStringView, qsizetype, qsizetype)> &search) const;

    const TextBuffer &m_text;
    qsizetype m_pieceLength;
};

} // namespace editor
