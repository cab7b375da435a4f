#include "ui/core/fallbackfont.h"

namespace ui {

QFont fallbackFont(const QString &family, int pixelSize, QFont::StyleHint kind, bool bold, bool italic)
{
    QFont font(family);
    font.setStyleHint(kind);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace ui
