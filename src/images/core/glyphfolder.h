// The BMP files the glyph viewer shows: the regular, visible files of one folder whose names end
// in ".bmp" in any case, sorted by their lower-cased names.
#pragma once

#include <QList>
#include <QString>

namespace images {

struct GlyphFile {
    QString shownName; ///< the lower-cased name, as the list shows it
    QString path;      ///< the file as it is named on the disk
};

class GlyphFolder {
public:
    static QList<GlyphFile> list(const QString &folder);
};

} // namespace images
