#include "tools/core/fontrows.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>

namespace tools {

QStringList installedFontNames()
{
    return QFontDatabase::families();
}

QFont rowFont(const QString &name, const QFont &base)
{
    QFont font = base;
    font.setFamilies({name});
    font.setPointSizeF(QGuiApplication::font().pointSizeF());
    return font;
}

int rowHeight(const QFont &font)
{
    // The height of a line of text ("Wg" or any other) is the font's ascent plus descent.
    return QFontMetrics(font).height() + 2;
}

} // namespace tools
