// Icon and cursor images as resources hold them: a device-independent bitmap (colours, then
// the AND mask, stacked in one doubled height) or a PNG stream. Decodes them to pictures and
// wraps them in the .ico/.cur file form. All reads go through ByteSpan.
#pragma once

#include "resexplorer/core/bytespan.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>

namespace resexplorer {

/// One entry of an icon file's directory, the image offset and size aside. In cursor files the
/// planes and bit count words hold the hot spot instead.
struct IconDirEntry {
    std::uint8_t width = 0;  ///< 0 stands for 256
    std::uint8_t height = 0;
    std::uint8_t colorCount = 0;
    std::uint8_t reserved = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
};

namespace iconimage {

/// The picture of one image; raises EExeError when the image is not one this can read.
QImage decode(const ByteSpan &image);

/// The directory entry an icon file would give \a image, taken from its own header.
IconDirEntry describe(const ByteSpan &image);

/// An icon (\a type 1) or cursor (\a type 2) file holding the one \a image.
QByteArray fileForm(std::uint16_t type, const IconDirEntry &entry, const ByteSpan &image);

} // namespace iconimage

} // namespace resexplorer
