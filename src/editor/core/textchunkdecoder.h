// Decodes a text file piece by piece as the program shows text (UTF-8, bytes that are not valid
// UTF-8 taken as Windows-1252) without cutting a character or a CR LF pair at a piece's end.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace editor {

class TextChunkDecoder {
public:
    /// The text of everything given so far that can be decoded now. A UTF-8 sequence or a CR
    /// LF pair that \a bytes ends in the middle of is held back for the next piece.
    QString decode(QByteArrayView bytes);
    /// The text of what was held back, at the end of the input.
    QString finish();

private:
    QByteArray m_pending;
};

} // namespace editor
