#include "resexplorer/core/resourcetype.h"

#include <array>

namespace resexplorer {

QString knownTypeLabel(std::int64_t typeId)
{
    static constexpr std::array<const char *, kLastKnownType + 1> labels = {
        "Unknown0", "CursorEntry", "Bitmap", "IconEntry", "Menu", "Dialog",
        "String", "FontDir", "Font", "Accelerators", "RCData", "MessageTable",
        "Cursor", "Unknown13", "Icon", "Unknown15", "Version",
    };
    if (!isKnownType(typeId))
        return QString();
    return QString::fromLatin1(labels[static_cast<std::size_t>(typeId)]);
}

} // namespace resexplorer
