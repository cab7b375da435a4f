// The numbered resource types a PE file may hold, with the labels the explorer shows for them.
#pragma once

#include <QString>

#include <cstdint>

namespace resexplorer {

enum TResourceType : std::int32_t {
    rtUnknown0,
    rtCursorEntry,
    rtBitmap,
    rtIconEntry,
    rtMenu,
    rtDialog,
    rtString,
    rtFontDir,
    rtFont,
    rtAccelerators,
    rtRCData,
    rtMessageTable,
    rtCursor,
    rtUnknown13,
    rtIcon,
    rtUnknown15,
    rtVersion,
};

constexpr std::int32_t kLastKnownType = rtVersion;

inline bool isKnownType(std::int64_t typeId)
{
    return typeId >= 0 && typeId <= kLastKnownType;
}

/// "Bitmap", "IconEntry", ...: the member name without its "rt". Empty outside 0 to 16.
QString knownTypeLabel(std::int64_t typeId);

} // namespace resexplorer
