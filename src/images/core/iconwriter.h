// Our icon file writer: an .ico file holding one image, as a bitmap of 24 bits (opaque pictures)
// or 32 bits with alpha (pictures with transparency), followed by its AND mask. It also wraps an
// image already in icon form (from an executable's resources) into a file of its own.
#pragma once

#include "images/core/iconimage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

#include <cstdint>

namespace images {

class IconWriter {
public:
    static constexpr std::uint16_t IconType = 1;
    static constexpr std::uint16_t CursorType = 2;
    /// Largest side an icon file can describe.
    static constexpr int MaxSide = 256;

    /// The icon file of \a image; raises EIconError when it is empty or too large.
    static QByteArray encode(const QImage &image);
    /// Writes the icon file of \a image to \a path; raises EIconError or EInOutError.
    static void write(const QImage &image, const QString &path);

    /// An icon (\a type 1) or cursor (\a type 2) file holding the one \a image as it stands.
    static QByteArray wrap(std::uint16_t type, const IconDirEntry &entry, QByteArrayView image);
};

} // namespace images
