// Icon files: the directory, every image of it decoded and described, and the pictures the icon
// window draws at its two sizes.
#include "images/core/iconfile.h"
#include "images/core/iconimage.h"
#include "images/core/imageerrors.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        const auto icon = images::IconFile::fromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
        for (int n = 0; n < icon.entries().size(); ++n) {
            // Each image on its own: a damaged one must not hide the next.
            try {
                images::IconImage::describe(icon.imageBytes(n));
                images::IconImage::decode(icon.imageBytes(n));
            } catch (const images::ImageError &) {
            }
        }
        icon.picture(32);
        icon.picture(16);
    } catch (const images::ImageError &) {
    }
    return 0;
}
