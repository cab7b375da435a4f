// Colours as the settings store keeps them: the integer 0x00BBGGRR of the program's Windows
// origins (8421376, 0x808000, is teal), written as decimal text.
#pragma once

#include <QColor>

namespace editor {

QColor colorFromColorref(int value);
int colorrefFromColor(const QColor &colour);

} // namespace editor
