// What a glyph button shows for a BMP file: the picture itself when it fits in 72 by 72 pixels,
// else the picture squeezed into a 72 by 72 working bitmap whose first row and column are never
// drawn; and the caption, the file name up to its first ".".
#pragma once

#include <QImage>
#include <QString>

namespace images {

class GlyphPicture {
public:
    static constexpr int Side = 72;

    /// A fresh working bitmap: 72 by 72, white.
    static QImage newSurface();
    /// The glyph of \a picture; a large picture is drawn into \a surface, which is returned.
    static QImage glyph(const QImage &picture, QImage &surface);
    static QString caption(const QString &fileName);
};

} // namespace images
