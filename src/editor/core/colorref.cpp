#include "editor/core/colorref.h"

namespace editor {

QColor colorFromColorref(int value)
{
    const auto bits = static_cast<unsigned>(value);
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

int colorrefFromColor(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

} // namespace editor
