// A font by the family name the program was designed with; where that family is not installed,
// fontconfig picks the nearest of the given kind (a metric twin of Arial, a script face for a
// brush script, the desktop's sans serif for MS Sans Serif).
#pragma once

#include <QFont>
#include <QString>

namespace ui {

QFont fallbackFont(const QString &family, int pixelSize, QFont::StyleHint kind, bool bold = false, bool italic = false);

} // namespace ui
