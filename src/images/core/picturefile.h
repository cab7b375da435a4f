// Pictures of the search dialog as files: loading a JPEG or BMP by its extension, the reduced
// copy of the export, and the extension rules of the conversions.
#pragma once

#include <QImage>
#include <QString>

namespace images {

/// True for the extensions read as JPEG (jpg, jpeg, jpe, jfif, any case).
bool isJpegName(const QString &path);

/// Loads \a path as JPEG or BMP, chosen by its extension; raises the decoder's error.
QImage loadPicture(const QString &path);

/// \a path with its extension (from the last "." of the file name) replaced by \a extension
/// (given with its dot), or \a extension appended when it has none.
QString changeExtension(const QString &path, const QString &extension);

/// A \a width by \a height white image with \a picture stretched into the rectangle from (1, 1)
/// to (width, height), leaving its first row and column blank.
QImage reducedCopy(const QImage &picture, int width, int height);

} // namespace images
