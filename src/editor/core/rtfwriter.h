// Rich text (RTF) of a document with its marks: how the editor keeps its marks when a text is
// saved under a .rtf name.
#pragma once

#include <QColor>
#include <QFont>

class QIODevice;

namespace editor {

class TextDocument;

class RtfWriter {
public:
    /// Characters that are not marked take \a font and \a ink.
    RtfWriter(const QFont &font, const QColor &ink);

    void write(const TextDocument &document, QIODevice &out) const;

private:
    QFont m_font;
    QColor m_ink;
};

} // namespace editor
