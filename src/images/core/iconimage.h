// One image of an icon or cursor, as icon files and executable resources hold it: a
// device-independent bitmap (colours, then the AND mask, stacked in one doubled height) or a PNG
// stream. The one decoder of these images in the program; every read is bounds-checked.
#pragma once

#include <QByteArrayView>
#include <QImage>

#include <cstdint>

namespace images {

/// One entry of an icon file's directory, the image offset and size aside. In cursor files the
/// planes and bit count words hold the hot spot instead.
struct IconDirEntry {
    std::uint8_t width = 0; ///< 0 stands for 256
    std::uint8_t height = 0;
    std::uint8_t colorCount = 0;
    std::uint8_t reserved = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
};

class IconImage {
public:
    /// Largest width or height decoded: far above any icon, small enough for any memory.
    static constexpr int MaxSide = 1024;

    /// The picture of \a image as ARGB32. Raises EInOutError when the bytes end too soon and
    /// EIconError when the image is not one this can read.
    static QImage decode(QByteArrayView image);

    /// The directory entry an icon file would give \a image, taken from its own header.
    static IconDirEntry describe(QByteArrayView image);

    /// Whether \a image is a PNG stream rather than a bitmap.
    static bool isPng(QByteArrayView image);
};

} // namespace images
