// The rows of the font list: the installed font families in the font database's order, each
// drawn in its own font at the default size; a row is as tall as "Wg" in that font plus 2 pixels.
#pragma once

#include <QFont>
#include <QStringList>

namespace tools {

QStringList installedFontNames();

/// \a base with the family \a name at the default size.
QFont rowFont(const QString &name, const QFont &base);

/// Height of the row of a name drawn in \a font.
int rowHeight(const QFont &font);

} // namespace tools
