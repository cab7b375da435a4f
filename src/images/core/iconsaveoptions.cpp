#include "images/core/iconsaveoptions.h"

namespace images {

IconSaveOptions IconSaveOptions::fromWord(std::uint16_t word)
{
    const int format = word & 0xFF;
    const int naming = word >> 8;
    return IconSaveOptions(format <= SmallBitmap ? static_cast<Format>(format) : Icon,
                           naming <= ImageName ? static_cast<Naming>(naming) : AskName);
}

QString IconSaveOptions::extension() const
{
    return isBitmap() ? QStringLiteral(".bmp") : QStringLiteral(".ico");
}

} // namespace images
