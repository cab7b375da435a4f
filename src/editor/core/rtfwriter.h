// Rich text (RTF) of a document with its character formats: how the editor keeps its marks when
// a text is saved under a .rtf name.
#pragma once

#include <QColor>
#include <QFont>

class QIODevice;
class QTextCharFormat;
class QTextDocument;

namespace editor {

class RtfWriter {
public:
    /// Characters without a font, a size or a colour of their own take those of \a font and \a ink.
    RtfWriter(const QFont &font, const QColor &ink);

    void write(const QTextDocument &document, QIODevice &out) const;

private:
    QString familyOf(const QTextCharFormat &format) const;
    QColor colourOf(const QTextCharFormat &format) const;
    int halfPointsOf(const QTextCharFormat &format) const;

    QFont m_font;
    QColor m_ink;
};

} // namespace editor
