#include "resexplorer/core/cursorresentry.h"

#include "resexplorer/core/exeimage.h"

namespace resexplorer {

namespace {

constexpr std::uint64_t kHotSpotSize = 4;

} // namespace

QString TCursorResEntry::displayName()
{
    if (!m_cursorGroupEntry)
        return TIconResEntry::displayName();
    const ByteSpan entry = image().view().sub(*m_cursorGroupEntry, 14);
    // The group's height counts the mask too, so the width stands for both sides.
    return QStringLiteral("%1 X %2 %3 Bit(s)").arg(entry.u16(0)).arg(entry.u16(0)).arg(entry.u16(6));
}

ByteSpan TCursorResEntry::imageBytes()
{
    return data().from(kHotSpotSize);
}

void TCursorResEntry::writeData(QIODevice &out)
{
    const ByteSpan resource = data();
    const ByteSpan bytes = resource.from(kHotSpotSize);
    images::IconDirEntry dir = iconbytes::describe(bytes);
    dir.planes = resource.u16(0);
    dir.bitCount = resource.u16(2);
    const QByteArray file = iconbytes::fileForm(2, dir, bytes);
    writeBytes(out, file);
}

} // namespace resexplorer
