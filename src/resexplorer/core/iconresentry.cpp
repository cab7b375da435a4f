#include "resexplorer/core/iconresentry.h"

#include "resexplorer/core/exeimage.h"

namespace resexplorer {

QString TIconResEntry::displayName()
{
    if (!m_groupEntry)
        return TResourceItem::displayName();
    const ByteSpan entry = image().view().sub(*m_groupEntry, 14);
    return QStringLiteral("%1 X %2 %3 Couleurs").arg(entry.u8(0)).arg(entry.u8(1)).arg(entry.u8(2));
}

ByteSpan TIconResEntry::imageBytes()
{
    return data();
}

void TIconResEntry::writeData(QIODevice &out)
{
    const ByteSpan bytes = imageBytes();
    images::IconDirEntry dir;
    if (m_groupEntry) {
        // The group keeps the directory entry the icon file had when it was compiled.
        const ByteSpan entry = image().view().sub(*m_groupEntry, 14);
        dir.width = entry.u8(0);
        dir.height = entry.u8(1);
        dir.colorCount = entry.u8(2);
        dir.reserved = entry.u8(3);
        dir.planes = entry.u16(4);
        dir.bitCount = entry.u16(6);
    } else {
        dir = iconbytes::describe(bytes);
    }
    const QByteArray file = iconbytes::fileForm(1, dir, bytes);
    writeBytes(out, file);
}

void TIconResEntry::renderTo(QImage &picture)
{
    picture = iconbytes::decode(imageBytes());
}

} // namespace resexplorer
