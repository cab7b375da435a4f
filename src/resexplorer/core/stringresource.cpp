#include "resexplorer/core/stringresource.h"

#include <QStringList>

namespace resexplorer {

namespace {

constexpr int kStringsPerBlock = 16;

} // namespace

void TStringResource::renderTo(QStringList &lines)
{
    const ByteSpan block = data();
    const std::int64_t first = (std::int64_t(nameField()) - 1) * kStringsPerBlock;
    QStringList rendered;
    std::uint64_t at = 0;
    for (int i = 0; i < kStringsPerBlock; ++i) {
        const std::uint16_t length = block.u16(at);
        const QString text = block.utf16(at + 2, length);
        at += 2 + 2 * std::uint64_t(length);
        if (length > 0)
            rendered.append(QStringLiteral("%1,  \"%2\"").arg(first + i).arg(text));
    }
    lines = rendered;
}

} // namespace resexplorer
